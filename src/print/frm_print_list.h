#pragma once
// The print selection: the user ticks the sections to print and starts the run; Set chooses the
// printer and paper first.

#include <QDialog>
#include <array>
#include <memory>

#include "print/print_driver.h"
#include "print/print_texts.h"

class QCheckBox;
class QPrinter;
class QPushButton;

class FrmPrintList : public QDialog {
    Q_OBJECT
public:
    explicit FrmPrintList(QWidget *parent = nullptr);
    ~FrmPrintList() override;

    void ShowPrintListLanguage();
    void ReadPrintSelection();

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void CommandSelAll_Click();
    void CommandClrAll_Click();
    void CommandSet_Click();

    std::array<QCheckBox *, kPrintItems> Check1{};
    QPushButton *CommandSelAll = nullptr;
    QPushButton *CommandClrAll = nullptr;
    QPushButton *CommandSet = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    std::unique_ptr<QPrinter> printer_;
    CommonDialogState CommonDialog1;
};

// Sets the captions of the window's Command1 and Command2 to the print-out's OK and Cancel.
void SetPrintButtonCaptions(QWidget *window);

int ShowFrmPrintList(QWidget *parent = nullptr);
