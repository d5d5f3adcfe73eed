// A borderless, read-only rich-text area that takes no input and loads
// nothing a text refers to (pictures, style sheets): a data file naming
// /dev/zero as a picture would otherwise be read for ever.
#pragma once

#include <QTextEdit>

namespace reference {

class TRichEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit TRichEdit(QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;
};

}  // namespace reference
