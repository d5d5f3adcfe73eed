// The definitions of the SI base units: one definition shown at a time, the
// one of the item clicked last in either list.
#pragma once

#include "screen.h"

class QListWidget;

class TForm53 : public calc::Screen
{
    Q_OBJECT
public:
    explicit TForm53(const calc::Context &context = calc::Context::standard());

    calc::TImage *Image1 = background();
    QLabel *Label3 = nullptr;  // "Выберите эталон:"
    QListWidget *ListBox1 = nullptr;
    QListWidget *ListBox2 = nullptr;
    // The definitions, all in one place: metre, kilogram, second, ampere,
    // kelvin, mole, candela.
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;

public slots:
    void ListBox1Click();
    void ListBox2Click();

private:
    // Shows only the definition of the list's selected item; nothing when
    // none is selected.
    void showDefinitionOf(QListWidget *list);

    std::vector<QLabel *> m_definitions;
};

extern TForm53 *Form53;
