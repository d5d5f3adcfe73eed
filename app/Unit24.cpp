#include "Unit24.h"

#include "appearance.h"
#include "artwork.h"
#include "screen.h"
#include "pictures.h"
#include "placement.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QSlider>
#include <QStandardPaths>

TForm24 *Form24 = nullptr;

const QString TOpenPictureDialog::kFilter = QStringLiteral(
    "All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|"
    "Bitmaps (*.bmp)|*.bmp");

namespace {

const QString kTopRight = QStringLiteral("В правом верхнем углу");
const QString kCentre = QStringLiteral("В центре");
const QString kTopLeft = QStringLiteral("В левом верхнем углу");

// "Description (*.a;*.b)|*.a;*.b|..." as Qt name filters "Description (*.a *.b)".
QStringList qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype k = 0; k + 1 < parts.size(); k += 2) {
        QString description = parts[k];
        const qsizetype open = description.lastIndexOf(u'(');
        if (open > 0)
            description.truncate(open);
        filters << description.trimmed() + QStringLiteral(" (") + QString(parts[k + 1]).replace(u';', u' ') +
                       QStringLiteral(")");
    }
    return filters;
}

// The position of each built-in picture's holder.
const int kBuiltInControls[artwork::kBuiltInCount] = {17, 14, 15, 4, 16, 11, 10, 8, 5, 22, 18, 7, 13, 19, 21, 20, 23, 12};

}  // namespace

TOpenPictureDialog::TOpenPictureDialog(QWidget *parent) : QFileDialog(parent)
{
    setObjectName(QStringLiteral("OpenPictureDialog1"));
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setNameFilters(qtNameFilters(kFilter));
    setWindowTitle(QStringLiteral("Открыть рисунок"));
    // The first time in the user's pictures, else at home, wherever the
    // program was started from; after that where the last choice was made.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    setDirectory(QFileInfo(pictures).isDir() ? pictures : QDir::homePath());

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("Preview"));
    m_preview->setFixedSize(180, 180);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(m_preview, 1, grid->columnCount(), grid->rowCount() - 1, 1);
    connect(this, &QFileDialog::currentChanged, this, &TOpenPictureDialog::showPreview);
}

void TOpenPictureDialog::showPreview(const QString &path)
{
    const pictures::Picture picture = pictures::loadPictureFile(path);
    if (!picture.ok()) {
        m_preview->clear();
        return;
    }
    m_preview->setPixmap(QPixmap::fromImage(
        picture.image.scaled(m_preview->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TOpenPictureDialog::accept()
{
    const QStringList files = selectedFiles();
    // A folder is opened by the dialog itself; any other name, a FIFO or a
    // device included, goes to the loader, which reports what it cannot use.
    if (files.size() == 1 && !QFileInfo(files.front()).isDir()) {
        bool accepted = true;
        emit canClose(files.front(), accepted);
        if (!accepted)
            return;
    }
    QFileDialog::accept();
}

TForm24::TForm24(const calc::Context &context)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_context(context)
{
    setObjectName(QStringLiteral("Form24"));
    setWindowTitle(QStringLiteral("Настройки"));
    setFont(calc::arial(11));
    setFixedSize(417, 259);

    Image1 = calc::addBackground(this, QStringLiteral("Image1"));

    for (int position = 1; position <= artwork::kBuiltInCount; ++position) {
        auto *holder = new calc::TImage(this);
        holder->setObjectName(QStringLiteral("Image") + QString::number(kBuiltInControls[position - 1]));
        holder->hide();
        builtIn.push_back(holder);
    }

    auto label = [this](const char *name, const QString &text, const QRect &geometry, int pixelHeight) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setFont(calc::arial(pixelHeight));
        l->setGeometry(geometry);
        return l;
    };
    Label1 = label("Label1", QStringLiteral("Положение главного окна"), QRect(12, 12, 200, 20), 15);
    RzComboBox1 = new QComboBox(this);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->addItems({QStringLiteral("..."), kTopRight, kCentre, kTopLeft});
    RzComboBox1->setGeometry(214, 11, 191, 21);

    Label2 = label("Label2", QStringLiteral("Фон окна"), QRect(12, 48, 180, 20), 15);
    Label3 = label("Label3", QStringLiteral("Изменить на:"), QRect(12, 78, 180, 16), 11);
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(1, artwork::kBuiltInCount);
    TrackBar1->setValue(1);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setGeometry(8, 96, 186, 26);

    Label4 = label("Label4", QStringLiteral("Своё:"), QRect(12, 134, 40, 16), 11);
    Button1 = new QPushButton(QStringLiteral("..."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(calc::arial(16, true));
    Button1->setGeometry(52, 130, 34, 22);
    Button1->setToolTip(QStringLiteral("Выбрать свой рисунок"));

    RadioButton1 = new QRadioButton(QStringLiteral("Растянуть"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(12, 164, 180, 18);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Оставить как есть"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(12, 186, 180, 18);

    Button2 = new QPushButton(QStringLiteral("Применить"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(12, 222, 100, 25);

    Image3 = new calc::TImage(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(204, 48, 201, 143);
    Image2 = new calc::TImage(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(206, 63, 197, 127);
    Image2->setPicture(builtInPicture(1));

    connect(RzComboBox1, &QComboBox::currentTextChanged, this, &TForm24::RzComboBox1Change);
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm24::TrackBar1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm24::Button1Click);
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });
    connect(Button2, &QPushButton::clicked, this, &TForm24::Button2Click);
}

void TForm24::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (!m_placed) {
            // Centred on the desktop the first time.
            const QRect area = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
            move(area.center() - rect().center());
            m_placed = true;
        }
        if (Image3->picture().isNull())
            Image3->setPicture(artwork::windowPicture());
        FormShow();
    }
    QWidget::showEvent(event);
}

void TForm24::FormShow()
{
    calc::copyBackground(Image1);
    Image2->setStretch(calc::Appearance::instance().stretch());
}

void TForm24::RzComboBox1Change()
{
    const QString choice = RzComboBox1->currentText();
    if (choice == kTopLeft)
        emit placementChosen(placement::Choice::TopLeft);
    if (choice == kTopRight)
        emit placementChosen(placement::Choice::TopRight);
    if (choice == kCentre)
        emit placementChosen(placement::Choice::Centre);
}

void TForm24::TrackBar1Change()
{
    m_customBackground = 0;
    Image2->setPicture(builtInPicture(TrackBar1->value()));
}

QImage TForm24::builtInPicture(int position)
{
    // Each holder gets its picture when the picture is first wanted.
    calc::TImage *holder = builtIn[position - 1];
    if (holder->picture().isNull())
        holder->setPicture(artwork::builtInBackground(position, devicePixelRatioF()));
    return holder->picture();
}

TOpenPictureDialog *TForm24::openPictureDialog()
{
    if (!m_dialog) {
        m_dialog = new TOpenPictureDialog(this);
        connect(m_dialog, &TOpenPictureDialog::canClose, this, &TForm24::OpenPictureDialog1CanClose);
    }
    return m_dialog;
}

void TForm24::Button1Click()
{
    TOpenPictureDialog *dialog = openPictureDialog();
    if (!m_pictureFileName.isEmpty())
        dialog->selectFile(m_pictureFileName);
    dialog->open();
}

void TForm24::OpenPictureDialog1CanClose(const QString &fileName, bool &canClose)
{
    canClose = loadPreviewFile(fileName);
    if (canClose) {
        m_pictureFileName = fileName;
        m_customBackground = 1;
    }
}

bool TForm24::loadPreviewFile(const QString &fileName)
{
    const pictures::Picture picture = pictures::loadPictureFile(fileName);
    if (!picture.ok()) {
        m_context.showMessage(pictures::failureMessage(fileName, picture.error));
        return false;
    }
    Image2->setPicture(picture.image);
    return true;
}

void TForm24::RadioButton1Click()
{
    calc::Appearance::instance().setStretch(true);
    Image2->setStretch(true);
}

void TForm24::RadioButton2Click()
{
    calc::Appearance::instance().setStretch(false);
    Image2->setStretch(false);
}

void TForm24::Button2Click()
{
    const QImage preview = Image2->picture();
    calc::Appearance::instance().setBackground(preview);
    Image1->setPicture(preview);
    TrackBar1->update();
    RadioButton1->update();
    RadioButton2->update();
}
