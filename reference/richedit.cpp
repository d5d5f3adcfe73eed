#include "richedit.h"

#include <QImage>
#include <QTextDocument>

namespace reference {

TRichEdit::TRichEdit(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUndoRedoEnabled(false);
}

QVariant TRichEdit::loadResource(int type, const QUrl &)
{
    // An empty value, not a null one: a null one lets the document read the
    // file itself.
    switch (type) {
    case QTextDocument::ImageResource:
        return QImage();
    case QTextDocument::StyleSheetResource:
        return QString();
    default:
        return QByteArray();
    }
}

}  // namespace reference
