// The appearance settings: the background picture (built-in or the user's
// own), stretching, and where the main window stands.
#pragma once

#include "context.h"
#include "controls.h"
#include "placement.h"

#include <QFileDialog>
#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

// The open-picture dialog, with a preview of the selected picture.
class TOpenPictureDialog : public QFileDialog
{
    Q_OBJECT
public:
    // The dialog's filter, in the description|patterns form.
    static const QString kFilter;

    explicit TOpenPictureDialog(QWidget *parent);
    QLabel *preview() const { return m_preview; }

signals:
    // Asked before the dialog closes on a confirmed file; `accepted` is set
    // to false to keep it open.
    void canClose(const QString &fileName, bool &accepted);

public slots:
    void accept() override;

private:
    void showPreview(const QString &path);
    QLabel *m_preview;
};

class TForm24 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm24(const calc::Context &context = calc::Context::standard());

    calc::TImage *Image1;
    QLabel *Label1, *Label2, *Label3, *Label4;
    QComboBox *RzComboBox1;
    QSlider *TrackBar1;
    QPushButton *Button1, *Button2;
    calc::TImage *Image3, *Image2;
    QRadioButton *RadioButton1, *RadioButton2;
    // The built-in pictures, by track position (Image17 is picture 1).
    std::vector<calc::TImage *> builtIn;
    // The built-in picture of a track position, 1 to 18.
    QImage builtInPicture(int position);

    // 1 when the preview holds the user's picture file, 0 for a built-in one.
    int customBackground() const { return m_customBackground; }
    void setCustomBackground(int flag) { m_customBackground = flag; }
    // The file name the open-picture dialog remembers.
    QString pictureFileName() const { return m_pictureFileName; }
    void setPictureFileName(const QString &name) { m_pictureFileName = name; }
    // Loads a picture file into the preview; on failure shows why and keeps
    // the preview and the custom flag as they were.
    bool loadPreviewFile(const QString &fileName);

    TOpenPictureDialog *openPictureDialog();

signals:
    // The user chose where the main window stands.
    void placementChosen(placement::Choice choice);

public slots:
    void FormShow();
    void RzComboBox1Change();
    void TrackBar1Change();
    void Button1Click();
    void OpenPictureDialog1CanClose(const QString &fileName, bool &canClose);
    void RadioButton1Click();
    void RadioButton2Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    const calc::Context &m_context;
    int m_customBackground = 0;
    QString m_pictureFileName;
    bool m_placed = false;
    TOpenPictureDialog *m_dialog = nullptr;
};

extern TForm24 *Form24;
