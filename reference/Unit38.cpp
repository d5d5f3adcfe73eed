#include "Unit38.h"

#include "constants.h"

#include <QEvent>
#include <QListWidget>

TForm38 *Form38 = nullptr;

TForm38::TForm38(const calc::Context &context)
    : Screen({QStringLiteral("Основные константы (постоянные)"), QSize(392, 246), QPoint(288, 243)}, context)
{
    setObjectName(QStringLiteral("Form38"));
    Label12 = addLabel("Label12", QStringLiteral("Выберите константу:"), QRect(8, 6, 300, 20));
    Label12->setFont(calc::arial(15, true));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(calc::arial(12));
    ListBox1->setGeometry(8, 28, 376, 116);
    ListBox1->addItems(reference::constantNames());

    Label1 = addLabel("Label1", QStringLiteral("Обозначение:"), QRect(8, 162, 98, 20));
    Label2 = addLabel("Label2", QStringLiteral("Значение:"), QRect(8, 188, 98, 20));
    for (QLabel *label : {Label1, Label2}) {
        label->setFont(calc::arial(15));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    RichEdit1 = new reference::TRichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(107, 150, 277, 89);

    // Keyboard and mouse both change the selection; a click on the item
    // that is already selected loads its file again.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        m_loadedSincePress = true;
        ListBox1Click();
    });
    connect(ListBox1, &QListWidget::itemClicked, this, [this] {
        if (!std::exchange(m_loadedSincePress, false))
            ListBox1Click();
    });
    ListBox1->viewport()->installEventFilter(this);
    FormCreate();
}

void TForm38::FormCreate()
{
    setWindowTitle(windowTitle() + QStringLiteral(" всего:") + QString::number(ListBox1->count()));
}

void TForm38::ListBox1Click()
{
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const int position = ListBox1->row(selected.first());
    const reference::RichText file = reference::loadConstant(position, reference::dataFolders());
    if (!file.ok()) {
        message(file.error);
        return;
    }
    RichEdit1->setHtml(file.text);
}

bool TForm38::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonPress)
        m_loadedSincePress = false;
    return Screen::eventFilter(watched, event);
}
