#include "Unit53.h"

#include "siunits.h"

#include <QListWidget>

TForm53 *Form53 = nullptr;

TForm53::TForm53(const calc::Context &context)
    : Screen({QStringLiteral("Эталоны системы единиц СИ"), QSize(368, 246), QPoint(300, 243)}, context)
{
    setObjectName(QStringLiteral("Form53"));
    Label3 = addLabel("Label3", QStringLiteral("Выберите эталон:"), QRect(8, 6, 352, 20));
    Label3->setFont(calc::arial(15, true));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 30, 186, 72);
    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(200, 30, 160, 72);

    static const char *const names[] = {"Label1", "Label2", "Label4", "Label5", "Label6", "Label7", "Label8"};
    const std::vector<reference::Definition> &definitions = reference::definitions();
    for (std::size_t k = 0; k < definitions.size(); ++k) {
        const reference::Definition &definition = definitions[k];
        (definition.list == 1 ? ListBox1 : ListBox2)->addItem(definition.item);
        QLabel *label = addLabel(names[k], definition.text, QRect(8, 110, 352, 130));
        label->setFont(calc::arial(13));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setVisible(k == 0);
        m_definitions.push_back(label);
    }
    Label1 = m_definitions[0];
    Label2 = m_definitions[1];
    Label4 = m_definitions[2];
    Label5 = m_definitions[3];
    Label6 = m_definitions[4];
    Label7 = m_definitions[5];
    Label8 = m_definitions[6];

    // A click shows its item's definition even when the item was already
    // selected; the keyboard changes the selection instead.
    connect(ListBox1, &QListWidget::itemClicked, this, &TForm53::ListBox1Click);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm53::ListBox1Click);
    connect(ListBox2, &QListWidget::itemClicked, this, &TForm53::ListBox2Click);
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, &TForm53::ListBox2Click);
}

void TForm53::ListBox1Click() { showDefinitionOf(ListBox1); }

void TForm53::ListBox2Click() { showDefinitionOf(ListBox2); }

void TForm53::showDefinitionOf(QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    const QListWidgetItem *item = selected.first();
    const int listNumber = list == ListBox1 ? 1 : 2;
    const std::vector<reference::Definition> &definitions = reference::definitions();
    for (std::size_t k = 0; k < definitions.size(); ++k)
        if (definitions[k].list == listNumber && definitions[k].item == item->text()) {
            for (std::size_t other = 0; other < m_definitions.size(); ++other)
                m_definitions[other]->setVisible(other == k);
            return;
        }
}
