// A table of decimal prefixes drawn as a picture: three columns (the name,
// its symbol, the power of ten with a raised exponent), black on white with
// grid lines. It is painted at the screen's own resolution, so it stays
// sharp at any scale.
#pragma once

#include "siunits.h"

#include <QWidget>

namespace reference {

class PrefixTable : public QWidget
{
    Q_OBJECT
public:
    PrefixTable(const std::vector<Prefix> &prefixes, QWidget *parent = nullptr);

    const std::vector<Prefix> &prefixes() const { return m_prefixes; }
    // The left edges of the three columns, in pixels at scale 1.
    static constexpr int kColumns[] = {0, 120, 200};

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const std::vector<Prefix> &m_prefixes;
};

}  // namespace reference
