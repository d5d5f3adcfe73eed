#include "screens.h"
#include "support.h"
#include "Unit1.h"

#include <QAccessible>
#include <QAbstractItemView>
#include <QAbstractSlider>

class TestAccess : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_context.settingsFile = m_settings.filePath(QStringLiteral("kalkort.conf"));
        m_context.presentWelcome = [] {};
        createScreens(m_context);
        screens::createAll();
    }
    void cleanupTestCase() { destroyScreens(); }
    void dump()
    {
        QCoreApplication::processEvents();
        for (const screens::Row &row : screens::table()) {
            QWidget *w = row.instance();
            qDebug().noquote() << "==" << row.className << w->windowTitle();
            QStringList chain;
            QWidget *first = w;
            QWidget *next = w->nextInFocusChain();
            while (next && next != first) {
                if ((next->focusPolicy() & Qt::TabFocus) && next->window() == w && !next->isHidden() && next->isEnabled() && next->isVisibleTo(w))
                    chain << next->objectName();
                next = next->nextInFocusChain();
            }
            qDebug().noquote() << "  tab:" << chain.join(", ");
            for (QWidget *c : w->findChildren<QWidget *>()) {
                if (!(qobject_cast<QLineEdit *>(c) || qobject_cast<QComboBox *>(c) || qobject_cast<QAbstractItemView *>(c) || qobject_cast<QAbstractSlider *>(c)))
                    continue;
                bool inside = false;
                for (QWidget *up = c->parentWidget(); up && up != w; up = up->parentWidget())
                    if (qobject_cast<QComboBox *>(up)) inside = true;
                if (inside) continue;
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(c);
                QString rel;
                for (auto &r : iface->relations(QAccessible::Label))
                    rel += r.first->text(QAccessible::Name) + "|";
                qDebug().noquote() << "   " << c->objectName() << (c->isHidden() ? "(hidden)" : "") << "name=" << c->accessibleName() << " iface=" << iface->text(QAccessible::Name) << " rel=" << rel;
            }
        }
    }

private:
    QTemporaryDir m_settings;
    support::RecordingContext m_context;
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
