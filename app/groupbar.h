// The main window's bar of collapsible groups. Each group is a caption bar
// (20 pixels) and, when opened, its items (20 pixels each) with 4 pixels
// above and below them. Caption bars and items are buttons, so they can be
// reached with Tab and pressed with Space or Enter, and screen readers read
// them by their texts.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QWidget>

#include <vector>

class TRzGroupCaption : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TRzGroupCaption(const QString &text, QWidget *parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

class TRzGroupItem : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TRzGroupItem(const QString &text, QWidget *parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_hovered = false;
};

class TRzGroup : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kCaptionHeight = 20;
    static constexpr int kItemHeight = 20;

    TRzGroup(const QString &caption, const QColor &colour, QWidget *parent);

    QString caption() const;
    TRzGroupItem *addItem(const QString &caption, const QString &objectName);
    const std::vector<TRzGroupItem *> &items() const { return m_items; }
    TRzGroupCaption *captionBar() const { return m_caption; }

    bool opened() const { return m_opened; }
    // Marks the group opened or closed, runs its open or close handler
    // (the opened / closed signal), then lays the bar out again. Does
    // nothing when the group already is in that state.
    void setOpened(bool opened);
    int openedHeight() const { return 28 + kItemHeight * int(m_items.size()); }

signals:
    // The open and close handlers: emitted after the state changed and
    // before the bar lays its groups out again.
    void groupOpened();
    void groupClosed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeItems();

    TRzGroupCaption *m_caption;
    QColor m_colour;
    std::vector<TRzGroupItem *> m_items;
    bool m_opened = false;
};

class TRzGroupBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBorder = 8;

    explicit TRzGroupBar(QWidget *parent);

    void setColour(const QColor &colour) { m_colour = colour; }
    TRzGroup *addGroup(const char *objectName, const QString &caption, const QColor &colour, bool opened);
    const std::vector<TRzGroup *> &groups() const { return m_groups; }
    // Stacks the groups from the top at their current heights.
    void layoutGroups();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_colour{95, 95, 243};
    std::vector<TRzGroup *> m_groups;
};
