#pragma once
// The printer as the print-out draws on it: a print position, the size of the printable area,
// a font size and boldness, a page counter, text widths, page breaks and the end of the document.
// Every text printed ends its line; a CR LF pair inside a text starts a further line. Every drawn
// text is also recorded (page, place, text), so that the layout can be checked without reading
// the printed file back.

#include <QFont>
#include <QList>
#include <QPainter>
#include <QString>

class QPrinter;

struct PrintedText {
    int page = 0;    // 1 for the first page
    double x = 0;    // left edge, in scale units
    double y = 0;    // top edge, in scale units
    QString text;
    int fontSize = 0;
    bool bold = false;
    double scaleWidth = 0; // the printable area the text was placed on
    double scaleHeight = 0;
    double xPercent() const { return scaleWidth > 0 ? x * 100 / scaleWidth : 0; }
    double yPercent() const { return scaleHeight > 0 ? y * 100 / scaleHeight : 0; }
};

class PrintDevice {
public:
    // The printer must stay valid while the page object lives. Nothing is drawn before Begin.
    explicit PrintDevice(QPrinter *printer);
    ~PrintDevice();
    PrintDevice(const PrintDevice &) = delete;
    PrintDevice &operator=(const PrintDevice &) = delete;

    // Starts the document; false when the printer cannot be opened (no file, no device).
    bool Begin();

    double CurrentX = 0;
    double CurrentY = 0;
    double ScaleWidth() const { return width_; }
    double ScaleHeight() const { return height_; }
    int FontSize() const { return fontSize_; }
    void setFontSize(int points);
    bool FontBold() const { return bold_; }
    void setFontBold(bool bold);
    // The number of the page being printed.
    int Page() const { return page_; }
    double TextWidth(const QString &text) const;
    // One line's height in the current font.
    double LineHeight() const;

    // Draws the text at the print position and moves to the left edge of the next line.
    void Print(const QString &text);
    // Ends the page. The next page is begun only when something is drawn on it, so a document
    // never ends with an empty page.
    void NewPage();
    // Ends the document; it goes to the printer.
    void EndDoc();
    // Drops the document: a failed run leaves nothing half printed.
    void Abort();

    const QList<PrintedText> &Printed() const { return printed_; }
    // Pages that hold something.
    int PagesDrawn() const { return pagesDrawn_; }

private:
    void UpdateFont();
    void BeginPendingPage();

    QPrinter *printer_;
    QPainter painter_;
    QFont font_;
    double width_ = 0;
    double height_ = 0;
    int fontSize_ = 10;
    bool bold_ = false;
    int page_ = 1;
    int pagesDrawn_ = 0;
    bool pagePending_ = false;
    bool pageHasText_ = false;
    bool open_ = false;
    QList<PrintedText> printed_;
};
