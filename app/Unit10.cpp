#include "Unit10.h"

#include "appearance.h"
#include "artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

TForm10 *Form10 = nullptr;

namespace {

// A picture control showing the top-left part of the emblem, or all of it
// scaled to the control.
calc::TImage *emblemControl(QWidget *parent, const char *name, const QRect &geometry, bool stretch)
{
    auto *image = new calc::TImage(parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(geometry);
    image->setStretch(stretch);
    return image;
}

// The documentation installed with the program: its README in the doc folder
// beside the program's bin folder.
QUrl installedDocumentation()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return QUrl::fromLocalFile(QDir::cleanPath(program.filePath(QStringLiteral(KALKORT_DOC_FROM_PROGRAM "/README.md"))));
}

// The program's page in the desktop's software centre, by its AppStream id.
QUrl softwareCentrePage() { return QUrl(QStringLiteral("appstream:" KALKORT_ID)); }

}  // namespace

TForm10::TForm10(const calc::Context &context) : InfoScreen(QStringLiteral("О программе..."), QSize(494, 189), context)
{
    setObjectName(QStringLiteral("Form10"));
    const QColor blue(0, 0, 255);
    Label3 = addLabel("Label3", calc::applicationTitle(), QRect(0, 10, 494, 24), 19, true, blue);
    Label3->setAlignment(Qt::AlignCenter);

    RzURLLabel3 = new TRzURLLabel(QStringLiteral("Купить"), softwareCentrePage(), context, this);
    RzURLLabel3->setObjectName(QStringLiteral("RzURLLabel3"));
    RzURLLabel3->setGeometry(8, 6, 60, 16);
    RzURLLabel4 = new TRzURLLabel(QStringLiteral("Магазин"), softwareCentrePage(), context, this);
    RzURLLabel4->setObjectName(QStringLiteral("RzURLLabel4"));
    RzURLLabel4->setGeometry(434, 6, 56, 16);
    RzURLLabel4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    RzURLLabel4->setToolTip(QStringLiteral("Калькорт в центре приложений"));

    Image2 = emblemControl(this, "Image2", QRect(12, 44, 57, 57), false);
    Image3 = emblemControl(this, "Image3", QRect(12, 108, 57, 57), false);
    Image4 = emblemControl(this, "Image4", QRect(378, 44, 105, 97), true);

    Label1 = addLabel("Label1", QStringLiteral("Программист: команда Калькорта"), QRect(80, 52, 290, 18), 13);
    Label2 = addLabel("Label2", QStringLiteral("Бета-тестер: пользователи Калькорта."),
                      QRect(80, 116, 290, 18), 13);
    RzURLLabel1 = new TRzURLLabel(QStringLiteral("E-mail: kalkort@example.org"),
                                  QUrl(QStringLiteral("mailto:kalkort@example.org")), context, this);
    RzURLLabel1->setObjectName(QStringLiteral("RzURLLabel1"));
    RzURLLabel1->setGeometry(80, 76, 200, 16);
    RzURLLabel2 = new TRzURLLabel(QStringLiteral("Сайт программы"), installedDocumentation(), context, this);
    RzURLLabel2->setObjectName(QStringLiteral("RzURLLabel2"));
    RzURLLabel2->setGeometry(80, 140, 120, 16);

    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(400, 152, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm10::showEvent(QShowEvent *event)
{
    // The emblem is drawn when the screen is first needed, not at start-up.
    if (Image2->picture().isNull())
        for (calc::TImage *image : {Image2, Image3, Image4})
            image->setPicture(artwork::emblem(devicePixelRatioF()));
    InfoScreen::showEvent(event);
}
