// The physical constants: the list of 64 names, and the chosen one's symbol
// and value from its data file.
#pragma once

#include "richedit.h"
#include "screen.h"

class QListWidget;

class TForm38 : public calc::Screen
{
    Q_OBJECT
public:
    explicit TForm38(const calc::Context &context = calc::Context::standard());

    calc::TImage *Image1 = background();
    QLabel *Label12 = nullptr;  // "Выберите константу:"
    QListWidget *ListBox1 = nullptr;
    QLabel *Label1 = nullptr;  // "Обозначение:"
    QLabel *Label2 = nullptr;  // "Значение:"
    reference::TRichEdit *RichEdit1 = nullptr;

public slots:
    // The caption tells how many constants the list holds.
    void FormCreate();
    // Loads the selected constant's data file into RichEdit1; a file that
    // cannot be read is reported and RichEdit1 keeps what it showed.
    void ListBox1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Set when the selection moved since the last mouse press, so that the
    // click ending that press does not load the file a second time.
    bool m_loadedSincePress = false;
};

extern TForm38 *Form38;
