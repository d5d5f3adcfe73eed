#include "access.h"

#include "screen.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <algorithm>
#include <vector>

namespace calc {

namespace {

const char *const kSpokenName = "kalkortSpokenName";

// A control inside another (a drop-down list's line edit, a list's scroll
// bars) is part of it.
bool insideList(const QWidget *widget)
{
    for (const QWidget *up = widget->parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QAbstractScrollArea *>(up))
            return true;
    return false;
}

// A field, a list or a track bar: what a screen reader needs a name for.
bool isNamed(const QWidget *widget)
{
    return (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
            qobject_cast<const QAbstractItemView *>(widget) || qobject_cast<const QAbstractSlider *>(widget)) &&
           !insideList(widget);
}

// Anything that takes input stands between a caption and the control it names.
bool takesInput(const QWidget *widget)
{
    return isNamed(widget) || qobject_cast<const QAbstractButton *>(widget) ||
           qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget);
}

bool overlaps(int a0, int a1, int b0, int b1) { return a0 < b1 && b0 < a1; }

struct Caption {
    QString text;
    std::vector<QLabel *> labels;
};

// The caption of a control among its siblings: the labels right left of it on
// its row (a letter and its lowered index make one caption), or else the
// label right above it. With `shownOnly`, labels hidden by a mode do not count.
Caption captionOf(QWidget *control, bool shownOnly)
{
    QWidget *parent = control->parentWidget();
    if (!parent)
        return {};
    const QRect field = control->geometry();
    std::vector<QLabel *> labels;
    std::vector<QRect> blockers;
    for (QObject *child : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget == control || widget->isWindow() || (shownOnly && widget->isHidden()))
            continue;
        auto *label = qobject_cast<QLabel *>(widget);
        if (label && !qobject_cast<TAnswerLabel *>(label) && !label->property(kResultLine).toBool() &&
            !label->text().trimmed().isEmpty())
            labels.push_back(label);
        else if (takesInput(widget))
            blockers.push_back(widget->geometry());
    }

    // Left of it on its row, with nothing that takes input in between.
    const auto onRow = [&](const QRect &r) { return overlaps(r.top(), r.bottom() + 1, field.top(), field.bottom() + 1); };
    std::vector<QLabel *> left;
    for (QLabel *label : labels) {
        const QRect r = label->geometry();
        if (!onRow(r) || r.left() >= field.left() || r.right() > field.left() + 2)
            continue;
        const bool blocked = std::any_of(blockers.begin(), blockers.end(), [&](const QRect &b) {
            return onRow(b) && b.left() >= r.right() && b.right() <= field.left();
        });
        if (!blocked)
            left.push_back(label);
    }
    std::sort(left.begin(), left.end(), [](QLabel *a, QLabel *b) { return a->geometry().right() > b->geometry().right(); });
    if (!left.empty()) {
        // The nearest label, and the labels that touch it on its left.
        std::vector<QLabel *> run{left.front()};
        for (std::size_t k = 1; k < left.size(); ++k)
            if (left[k]->geometry().right() >= run.back()->geometry().left() - 4 &&
                left[k]->geometry().left() < run.back()->geometry().left())
                run.push_back(left[k]);
        std::reverse(run.begin(), run.end());
        Caption caption{run.front()->text(), run};
        for (std::size_t k = 1; k < run.size(); ++k) {
            const bool touching = run[k]->geometry().left() <= run[k - 1]->geometry().right() + 1;
            caption.text += (touching ? QString() : QStringLiteral(" ")) + run[k]->text();
        }
        caption.text = caption.text.trimmed();
        return caption;
    }

    // Right above it, over part of its width, with nothing in between.
    QLabel *above = nullptr;
    for (QLabel *label : labels) {
        const QRect r = label->geometry();
        const int gap = field.top() - (r.bottom() + 1);
        if (gap < -2 || gap > 12 || !overlaps(r.left(), r.right() + 1, field.left(), field.right() + 1))
            continue;
        const bool blocked = std::any_of(blockers.begin(), blockers.end(), [&](const QRect &b) {
            return overlaps(b.left(), b.right() + 1, field.left(), field.right() + 1) && b.top() >= r.bottom() &&
                   b.bottom() <= field.top();
        });
        if (!blocked && (!above || r.bottom() > above->geometry().bottom()))
            above = label;
    }
    if (above)
        return {above->text().trimmed(), {above}};
    return {};
}

void setName(QWidget *control, const QString &name)
{
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
    // The line edit of an editable list is what has the focus.
    if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit() &&
                                                          list->lineEdit()->accessibleName() != name)
        list->lineEdit()->setAccessibleName(name);
}

bool hasSelection(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->hasSelectedText();
    if (const auto *list = qobject_cast<const QComboBox *>(widget))
        return list->lineEdit() && list->lineEdit()->hasSelectedText();
    if (const auto *text = qobject_cast<const QTextEdit *>(widget))
        return text->textCursor().hasSelection();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return plain->textCursor().hasSelection();
    if (const auto *view = qobject_cast<const QAbstractItemView *>(widget))
        return view->selectionModel() && view->selectionModel()->hasSelection();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->hasSelectedText();
    return false;
}

// The equipment of one window: what Escape does there, and the naming of its
// controls, which follows every label and control shown or hidden.
class Equipment : public QObject
{
public:
    Equipment(QWidget *window, EscapeKey escape) : QObject(window), m_window(window), m_escape(escape)
    {
        setObjectName(QStringLiteral("kalkortAccess"));
        for (QWidget *widget : window->findChildren<QWidget *>())
            if (widget->window() == window && (qobject_cast<QLabel *>(widget) || takesInput(widget)))
                widget->installEventFilter(this);
        nameControls(window);
    }

    EscapeKey escape() const { return m_escape; }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            nameSoon();
        return false;
    }

private:
    // A mode switch shows and hides several captions; the names are given
    // once it is done.
    void nameSoon()
    {
        if (m_pending)
            return;
        m_pending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_pending = false;
                nameControls(m_window);
            },
            Qt::QueuedConnection);
    }

    QWidget *m_window;
    EscapeKey m_escape;
    bool m_pending = false;
};

Equipment *equipmentOf(const QWidget *window)
{
    return window ? window->findChild<Equipment *>(QStringLiteral("kalkortAccess"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

// Escape and the copy key for every equipped window, seen before the focused
// control takes them.
class Keys : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !receiver->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(receiver);
        QWidget *window = widget->window();
        const Equipment *equipment = equipmentOf(window);
        if (!equipment)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (equipment->escape() != EscapeKey::Closes)
                return false;
            window->close();
            return true;
        }
        if (key->matches(QKeySequence::Copy) && !hasSelection(widget))
            return copyAnswer(window);
        return false;
    }
};

}  // namespace

void equipWindow(QWidget *window, EscapeKey escape)
{
    static Keys *keys = nullptr;
    if (!keys) {
        keys = new Keys(qApp);
        qApp->installEventFilter(keys);
    }
    if (!equipmentOf(window))
        new Equipment(window, escape);
}

bool isEquipped(const QWidget *window) { return equipmentOf(window) != nullptr; }

QString answerOf(const QWidget *window)
{
    const auto *screen = qobject_cast<const Screen *>(window);
    return screen ? screen->answer() : QString();
}

bool copyAnswer(const QWidget *window)
{
    const QString answer = answerOf(window);
    if (answer.isEmpty())
        return false;
    QGuiApplication::clipboard()->setText(answer);
    return true;
}

void offerAnswerCopy(QLabel *line)
{
    line->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(line, &QWidget::customContextMenuRequested, line, [line](const QPoint &position) {
        auto *menu = line->findChild<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
        if (!menu) {
            menu = new QMenu(line);
            QAction *copy = menu->addAction(kCopyAnswerItem);
            QObject::connect(copy, &QAction::triggered, line, [line] { copyAnswer(line->window()); });
        }
        menu->actions().front()->setEnabled(!answerOf(line->window()).isEmpty());
        menu->popup(line->mapToGlobal(position));
    });
}

void setSpokenName(QWidget *control, const QString &name)
{
    control->setProperty(kSpokenName, true);
    setName(control, name);
    // Screen readers on this platform take a list's name from the label that
    // names it, never from its own: a hidden label names it.
    if (qobject_cast<QComboBox *>(control) && control->parentWidget()) {
        QLabel *caption = nullptr;
        for (QLabel *label : control->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            if (label->buddy() == control)
                caption = label;
        if (!caption) {
            caption = new QLabel(control->parentWidget());
            caption->setProperty(kResultLine, true);  // never a caption of anything else
            caption->setGeometry(0, 0, 0, 0);
            caption->hide();
            caption->setBuddy(control);
        }
        caption->setText(name);
    }
}

void nameControls(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        // A list's popup is a window of its own, and part of the list.
        if (control->window() != window || !isNamed(control) || control->property(kSpokenName).toBool())
            continue;
        // A control a mode hides keeps its name; it is named once at least.
        const bool shown = !control->isHidden();
        if (!shown && !control->accessibleName().isEmpty())
            continue;
        const Caption caption = captionOf(control, shown);
        if (caption.labels.empty())
            continue;
        setName(control, caption.text);
        // Screen readers also find a control's caption through its buddy label.
        for (QLabel *label : control->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            if (label->buddy() == control && std::find(caption.labels.begin(), caption.labels.end(), label) ==
                                                 caption.labels.end())
                label->setBuddy(nullptr);
        for (QLabel *label : caption.labels)
            label->setBuddy(control);
    }
}

}  // namespace calc
