#pragma once
// The modal progress window of a read or write. Its load starts the exchange; the engine shows
// the percentage through SetProgressValue and unloads it at the end. It has no buttons; closing
// it before the end ends the transfer as failed (the read and write commands see to that).

#include <QDialog>

class QLabel;
class QProgressBar;

class FrmProgress : public QDialog {
    Q_OBJECT
public:
    explicit FrmProgress(QWidget *parent = nullptr);

    // The bar at n and the label "n%".
    void SetProgressValue(int n);

    QProgressBar *ProgressBar1 = nullptr; // 0..100
    QLabel *Label1 = nullptr;             // "Completion percentage:"
    QLabel *Label2 = nullptr;             // the percentage

public slots:
    void reject() override;

private:
    void Form_Load();
    void ProgressChangShowByLanguage();
    void ProgressjustSize();
};
