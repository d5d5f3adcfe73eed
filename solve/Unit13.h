// System of two linear equations, with the chart of both lines.
#pragma once

#include "brace.h"
#include "screen.h"
#include "system.h"
#include "systemchart.h"

#include <optional>

class QLineSeries;
class QPushButton;

class TForm13 : public calc::Screen
{
    Q_OBJECT
public:
    explicit TForm13(const calc::Context &context = calc::Context::standard());

    // The two client widths: the equations alone, and the chart beside them.
    static constexpr int kNarrowWidth = 398;
    static constexpr int kWideWidth = 680;
    bool wide() const { return m_wide; }

    calc::TImage *Image2 = background();
    solve::CurlyBrace *Image1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr,
           *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr,
              *Edit6 = nullptr;
    QComboBox *RzComboBox2 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    // The chart, made when it is first wanted (widening, or a test's look):
    // it is the heaviest control of the program. Until then the lines'
    // points wait in the screen.
    solve::SystemChart *Chart1 = nullptr;
    QLineSeries *Series1 = nullptr;
    QLineSeries *Series2 = nullptr;
    solve::SystemChart *chart();

public slots:
    void Button2Click();
    // "График >>": narrow to wide and back.
    void Button3Click();

private:
    bool m_wide = false;
    std::optional<solve::SystemPlot> m_plot;
};

extern TForm13 *Form13;
