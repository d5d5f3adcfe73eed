// Pieces shared by the About and welcome screens.
#pragma once

#include "context.h"
#include "controls.h"

#include <QDialog>
#include <QLabel>
#include <QUrl>


// A link: underlined, in the highlight colour; a click (or Space / Enter
// when it has the focus) opens its target with the desktop's handler.
class TRzURLLabel : public QLabel
{
    Q_OBJECT
public:
    // Links open through the context's opener.
    TRzURLLabel(const QString &text, const QUrl &target, const calc::Context &context, QWidget *parent);
    QUrl target() const { return m_target; }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openTarget();
    QUrl m_target;
    const calc::Context &m_context;
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
    InfoScreen(const QString &caption, QSize clientSize, const calc::Context &context);
    const calc::Context &context() const { return m_context; }
    QLabel *addLabel(const char *name, const QString &text, const QRect &geometry, int pixelHeight,
                     bool bold = false, const QColor &colour = Qt::black);
    void showEvent(QShowEvent *event) override;

private:
    const calc::Context &m_context;
};
