#include "print/print_device.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QStringList>

namespace {

// A sans face with Arial's metrics, so the page fits as it was laid out; Chinese text falls
// back to the system's CJK font.
const char *const kPrintFont = "Liberation Sans";

} // namespace

PrintDevice::PrintDevice(QPrinter *printer) : printer_(printer)
{
    font_.setFamily(QString::fromLatin1(kPrintFont));
    font_.setStyleHint(QFont::SansSerif);
}

PrintDevice::~PrintDevice()
{
    if (open_)
        Abort();
}

bool PrintDevice::Begin()
{
    if (!printer_ || !painter_.begin(printer_))
        return false;
    open_ = true;
    const QRect area = painter_.viewport();
    width_ = area.width();
    height_ = area.height();
    page_ = 1;
    pagesDrawn_ = 0;
    pagePending_ = false;
    pageHasText_ = false;
    CurrentX = CurrentY = 0;
    UpdateFont();
    return true;
}

void PrintDevice::setFontSize(int points)
{
    fontSize_ = points;
    UpdateFont();
}

void PrintDevice::setFontBold(bool bold)
{
    bold_ = bold;
    UpdateFont();
}

void PrintDevice::UpdateFont()
{
    font_.setPointSize(fontSize_);
    font_.setBold(bold_);
    if (open_)
        painter_.setFont(font_);
}

double PrintDevice::TextWidth(const QString &text) const
{
    if (!open_)
        return 0;
    return QFontMetricsF(font_, printer_).horizontalAdvance(text);
}

double PrintDevice::LineHeight() const
{
    if (!open_)
        return 0;
    return QFontMetricsF(font_, printer_).lineSpacing();
}

void PrintDevice::BeginPendingPage()
{
    if (pagePending_) {
        printer_->newPage();
        pagePending_ = false;
    }
    if (!pageHasText_) {
        pageHasText_ = true;
        ++pagesDrawn_;
    }
}

void PrintDevice::Print(const QString &text)
{
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    const double line = LineHeight();
    const double ascent = open_ ? QFontMetricsF(font_, printer_).ascent() : 0;
    for (const QString &piece : lines) {
        if (!piece.isEmpty() && open_) {
            BeginPendingPage();
            painter_.drawText(QPointF(CurrentX, CurrentY + ascent), piece);
            printed_.append({page_, CurrentX, CurrentY, piece, fontSize_, bold_, width_, height_});
        }
        // Every printed text ends its line; the next one starts at the left edge.
        CurrentX = 0;
        CurrentY += line;
    }
}

void PrintDevice::NewPage()
{
    // The page after this one is begun by the first text drawn on it.
    pagePending_ = pagesDrawn_ > 0;
    pageHasText_ = false;
    ++page_;
    CurrentX = CurrentY = 0;
}

void PrintDevice::EndDoc()
{
    if (!open_)
        return;
    painter_.end();
    open_ = false;
}

void PrintDevice::Abort()
{
    if (!open_)
        return;
    printer_->abort();
    painter_.end();
    open_ = false;
}
