// Pieces shared by the About and welcome screens.
#pragma once

#include "controls.h"

#include <QDialog>
#include <QLabel>
#include <QUrl>

#include <functional>

// A link: underlined, in the highlight colour; a click (or Space / Enter
// when it has the focus) opens its target with the desktop's handler.
class TRzURLLabel : public QLabel
{
    Q_OBJECT
public:
    TRzURLLabel(const QString &text, const QUrl &target, QWidget *parent);
    QUrl target() const { return m_target; }

    // Where links are opened; tests record them instead.
    using Opener = std::function<void(const QUrl &)>;
    static Opener setOpener(Opener opener);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openTarget();
    QUrl m_target;
};

// A modal information screen: fixed size, centred on the desktop, with the
// current background copied each time it is shown.
class InfoScreen : public QDialog
{
    Q_OBJECT
public:
    calc::TImage *Image1;

public slots:
    void FormShow();

protected:
    InfoScreen(const QString &caption, QSize clientSize);
    QLabel *addLabel(const char *name, const QString &text, const QRect &geometry, int pixelHeight,
                     bool bold = false, const QColor &colour = Qt::black);
    void showEvent(QShowEvent *event) override;
};
