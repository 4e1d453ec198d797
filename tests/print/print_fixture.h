#pragma once
// Print tests: the print texts filled as start-up fills them, a PDF file as the printer, and the
// texts the last run drew, by page.

#include <QFile>
#include <cmath>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "common/test_env.h"
#include "data/app_state.h"
#include "data/defaults.h"
#include "print/print_driver.h"
#include "print/print_texts.h"

namespace printtest {

class PrintTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        InitPrintLanguage();
        InitDataBlocks();
    }

    QString PdfPath() const { return dir_.filePath(QStringLiteral("out.pdf")); }

    // Runs the driver on the ticked items into the PDF file.
    void Run(std::initializer_list<int> items)
    {
        State().PrintItemFlags.fill(0);
        for (int i : items)
            State().PrintItemFlags[static_cast<std::size_t>(i)] = 1;
        script->answerPrintToFile(PdfPath());
        CommonDialogState dialog;
        PrintSelected(dialog, nullptr);
    }

    // The texts drawn on one page, in drawing order.
    static QStringList PageTexts(int page)
    {
        QStringList out;
        for (const PrintedText &t : LastPrintRecord())
            if (t.page == page)
                out << t.text;
        return out;
    }
    static int LastPage()
    {
        int last = 0;
        for (const PrintedText &t : LastPrintRecord())
            last = std::max(last, t.page);
        return last;
    }
    // The first drawn text equal to text; nullptr when there is none.
    static const PrintedText *Find(const QString &text, int page = 0)
    {
        for (const PrintedText &t : LastPrintRecord())
            if (t.text == text && (page == 0 || t.page == page))
                return &t;
        return nullptr;
    }
    // The first drawn text equal to text whose left edge stands at percent of the page width.
    static const PrintedText *FindAt(const QString &text, double percent)
    {
        for (const PrintedText &t : LastPrintRecord())
            if (t.text == text && std::abs(t.xPercent() - percent) < 0.01)
                return &t;
        return nullptr;
    }
    // Pages in the PDF file.
    int PdfPages() const
    {
        const QByteArray pdf = testenv::ReadAll(PdfPath());
        return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
    }

private:
    QTemporaryDir dir_;
};

} // namespace printtest
