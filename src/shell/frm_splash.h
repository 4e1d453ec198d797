#pragma once
// The splash window of start-up: the program's picture in the start-up language, shown until its
// two-second timer runs out or the picture is clicked; then it gives way to the main window.

#include <QWidget>

class QLabel;
class QTimer;

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget *parent = nullptr);

    // The picture file of the current language: "StartC.jpg" for Chinese, else "StartE.jpg".
    static QString PictureFile();

    QLabel *picLogo = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void picLogo_Click();
    void ShowMainWindow();

    bool handedOver_ = false;
};
