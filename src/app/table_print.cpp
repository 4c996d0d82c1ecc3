#include "app/table_print.h"

#include "app/application.h"
#include "app/error_guard.h"
#include "app/safe_save.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIODevice>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace app {

namespace {

// Sizes in points; the device's resolution turns them into its pixels.
constexpr qreal bodyPoints = 9;
constexpr qreal titlePoints = 14;
constexpr qreal footerPoints = 7.5;
constexpr qreal columnGapPoints = 14;
constexpr qreal rulePoints = 0.5;

QFont sizedFont(qreal points, bool bold)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A font and its measures on the device, made once: text is measured there
// as it will be painted.
struct Face {
    Face(qreal points, bool bold, QPaintDevice& device) : font(sizedFont(points, bold)), metrics(font, &device) {}
    qreal line() const { return metrics.lineSpacing(); }
    QFont font;
    QFontMetricsF metrics;
};

qreal widestCaption(const PrintDocument& document, const QFontMetricsF& metrics)
{
    qreal widest = 0;
    for (const QList<PrintedLine>* lines : {&document.inputs, &document.results})
        for (const PrintedLine& line : *lines)
            widest = std::max(widest, metrics.horizontalAdvance(line.caption + QLatin1Char(':')));
    return widest;
}

// Each column as wide as its widest cell, the header's included; every row is
// read once.
std::vector<qreal> columnWidths(const PrintDocument& document, const Face& body, const Face& bold)
{
    const QStringList titles = document.table->columnTitles(CellText::Shown);
    std::vector<qreal> widths(std::size_t(titles.size()), 0.0);
    const auto widen = [&widths](const QStringList& cells, const Face& face) {
        for (qsizetype column = 0; column < cells.size() && std::size_t(column) < widths.size(); ++column)
            widths[std::size_t(column)] =
                std::max(widths[std::size_t(column)], face.metrics.horizontalAdvance(cells[column]));
    };
    widen(titles, bold);
    const int count = document.table->tableRowCount();
    for (int row = 0; row < count; ++row)
        widen(document.table->cells(row, CellText::Shown), document.lastRowIsTotal && row == count - 1 ? bold : body);
    return widths;
}

// Where everything goes, measured once on the device before any page is painted.
struct Metrics {
    Metrics(QPagedPaintDevice& device, const PrintDocument& document);

    qreal pageWidth;
    qreal pageHeight;
    qreal pointSize;  // device pixels per point
    Face title;
    Face body;
    Face bold;  // captions, the header row and a total row
    Face footer;
    Face tableBody;  // smaller than body when the table is wider than the page
    Face tableBold;
    qreal captionWidth;              // the widest caption of the inputs and results
    std::vector<qreal> columnLeft;   // each column's left edge
    std::vector<qreal> columnWidth;  // without the gap
};

Metrics::Metrics(QPagedPaintDevice& device, const PrintDocument& document)
    : pageWidth(device.width()),
      pageHeight(device.height()),
      pointSize(device.logicalDpiY() / 72.0),
      title(titlePoints, true, device),
      body(bodyPoints, false, device),
      bold(bodyPoints, true, device),
      footer(footerPoints, false, device),
      tableBody(body),
      tableBold(bold),
      captionWidth(widestCaption(document, bold.metrics))
{
    if (!document.table)
        return;
    qreal gap = columnGapPoints * device.logicalDpiX() / 72.0;
    columnWidth = columnWidths(document, tableBody, tableBold);
    qreal natural = -gap;
    for (const qreal width : columnWidth)
        natural += width + gap;
    if (natural > pageWidth) {
        const qreal scale = pageWidth / natural;
        tableBody = Face(bodyPoints * scale, false, device);
        tableBold = Face(bodyPoints * scale, true, device);
        columnWidth = columnWidths(document, tableBody, tableBold);
        gap *= scale;
    }
    qreal left = 0;
    for (const qreal width : columnWidth) {
        columnLeft.push_back(left);
        left += width + gap;
    }
}

// Walks the document from top to bottom, page by page. Without a painter it
// only counts the pages, so that the painting walk can number them "of N".
class PageWalk {
public:
    PageWalk(const Metrics& metrics, const PrintDocument& document, QPainter* painter, QPagedPaintDevice* device,
             int pageCount)
        : m(metrics), m_document(document), m_painter(painter), m_device(device), m_pageCount(pageCount)
    {
    }

    // The number of pages.
    int walk()
    {
        titleLines();
        lines(m_document.inputs);
        if (m_document.table)
            table();
        if (!m_document.results.isEmpty()) {
            space(m.body.line());
            lines(m_document.results);
        }
        footer();
        return m_page;
    }

    // False when the device refused a new page.
    bool painted() const { return m_ok; }

private:
    qreal bottom() const { return m.pageHeight - 1.5 * m.footer.line(); }

    void newPage()
    {
        footer();
        ++m_page;
        m_y = 0;
        if (m_painter && !m_device->newPage())
            m_ok = false;
    }

    // Room for height on this page, a new one when it would not fit; a line
    // taller than a whole page stays on the page it starts.
    void room(qreal height)
    {
        if (m_y > 0 && m_y + height > bottom())
            newPage();
    }

    void space(qreal height) { m_y = std::min(m_y + height, bottom()); }

    // Text on the line at m_y, its left edge at x, or its right edge at right.
    void paint(const Face& face, qreal x, const QString& text)
    {
        if (m_face != &face) {
            m_painter->setFont(face.font);
            m_face = &face;
        }
        m_painter->drawText(QPointF(x, m_y + face.metrics.ascent()), text);
    }

    void paintRight(const Face& face, qreal right, const QString& text)
    {
        paint(face, right - face.metrics.horizontalAdvance(text), text);
    }

    // Text that may be longer than width loses its end to an ellipsis.
    void paintCut(const Face& face, qreal x, const QString& text, qreal width)
    {
        paint(face, x, face.metrics.horizontalAdvance(text) > width
                           ? face.metrics.elidedText(text, Qt::ElideRight, width)
                           : text);
    }

    void rule(qreal y, qreal width)
    {
        m_painter->setPen(QPen(Qt::black, rulePoints * m.pointSize));
        m_painter->drawLine(QPointF(0, y), QPointF(width, y));
    }

    void titleLines()
    {
        if (m_painter)
            paintCut(m.title, 0, m_document.title, m.pageWidth);
        m_y += m.title.line();
        if (m_painter && m_document.computed.isValid()) {
            const QLocale locale;
            const QDateTime when = m_document.computed.toLocalTime();
            paintCut(m.body, 0,
                     QCoreApplication::translate("app::TablePrint", "Computed on %1 at %2")
                         .arg(locale.toString(when.date(), QLocale::LongFormat),
                              locale.toString(when.time(), QLocale::ShortFormat)),
                     m.pageWidth);
        }
        m_y += m.body.line();
        space(m.body.line() / 2);
    }

    void lines(const QList<PrintedLine>& printed)
    {
        const qreal valueLeft = m.captionWidth + m.body.line() / 2;
        for (const PrintedLine& line : printed) {
            room(m.body.line());
            if (m_painter) {
                // A line without a caption continues the one above it.
                if (!line.caption.isEmpty())
                    paint(m.bold, 0, line.caption + QLatin1Char(':'));
                paintCut(m.body, valueLeft, line.value, std::max<qreal>(0, m.pageWidth - valueLeft));
            }
            m_y += m.body.line();
        }
    }

    qreal tableWidth() const { return m.columnLeft.empty() ? 0 : m.columnLeft.back() + m.columnWidth.back(); }

    // The first column reads from the left, the rest from the right, as
    // numbers do. The columns were measured to hold every cell.
    void row(const QStringList& cells, const Face& face)
    {
        for (std::size_t column = 0; column < m.columnLeft.size() && qsizetype(column) < cells.size(); ++column) {
            if (column == 0)
                paint(face, 0, cells.first());
            else
                paintRight(face, m.columnLeft[column] + m.columnWidth[column], cells[qsizetype(column)]);
        }
    }

    void header()
    {
        if (m_painter) {
            row(m_titles, m.tableBold);
            rule(m_y + m.tableBody.line(), tableWidth());
        }
        m_y += m.tableBody.line() * 1.25;
    }

    void table()
    {
        space(m.body.line());
        if (m_painter)
            m_titles = m_document.table->columnTitles(CellText::Shown);
        const qreal line = m.tableBody.line();
        room(line * 2.25);
        header();
        const int count = m_document.table->tableRowCount();
        for (int index = 0; index < count; ++index) {
            const bool total = m_document.lastRowIsTotal && index == count - 1;
            if (m_y > 0 && m_y + (total ? line * 1.25 : line) > bottom()) {
                newPage();
                header();
            }
            if (total) {
                if (m_painter)
                    rule(m_y + line / 8, tableWidth());
                m_y += line / 4;
            }
            if (m_painter)
                row(m_document.table->cells(index, CellText::Shown), total ? m.tableBold : m.tableBody);
            m_y += line;
        }
    }

    // The document's title at the left of the foot, the page's number at the right.
    void footer()
    {
        if (!m_painter)
            return;
        const qreal top = m_y;
        m_y = m.pageHeight - m.footer.line();
        const QString number = QCoreApplication::translate("app::TablePrint", "Page %1 of %2")
                                   .arg(QLocale().toString(m_page), QLocale().toString(m_pageCount));
        const qreal numberWidth = m.footer.metrics.horizontalAdvance(number);
        paintCut(m.footer, 0, m_document.title, std::max<qreal>(0, m.pageWidth - numberWidth - m.body.line()));
        paintRight(m.footer, m.pageWidth, number);
        m_y = top;
    }

    const Metrics& m;
    const PrintDocument& m_document;
    QPainter* m_painter;
    QPagedPaintDevice* m_device;
    int m_pageCount;
    int m_page = 1;
    qreal m_y = 0;
    bool m_ok = true;
    QStringList m_titles;
    const Face* m_face = nullptr;  // the painter's font
};

// A long table takes a second or more; the pointer says so meanwhile.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool paintBusy(QPagedPaintDevice& device, const PrintDocument& document)
{
    const BusyCursor busy;
    return paintDocument(device, document);
}

void printOnPrinter(QWidget* window, const PrintSource& source, Platform& platform)
{
    QPrinter printer(QPrinter::HighResolution);
    const PrintDocument document = source.printDocument();
    printer.setDocName(document.title);
    if (!platform.printing->choosePrinter(window, printer))
        return;
    if (paintBusy(printer, document))
        return;
    Message failure;
    failure.icon = Icon::Error;
    failure.text = QCoreApplication::translate("app::TablePrint", "The document could not be printed.");
    platform.messages.show(window, failure);
}

// A cancelled dialog writes nothing and says nothing.
void exportToPdf(QWidget* window, const PrintSource& source, Platform& platform)
{
    SaveFileRequest request;
    request.caption = QCoreApplication::translate("app::TablePrint", "Export PDF");
    request.filter = QCoreApplication::translate("app::TablePrint", "PDF files (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    const QString fileName = platform.files.saveFileName(window, request);
    if (fileName.isEmpty())
        return;
    const PrintDocument document = source.printDocument();
    saveWhole(
        fileName,
        [&document](QIODevice& file) {
            const BusyCursor busy;
            return writePdf(file, document);
        },
        platform.messages, window);
}

}  // namespace

bool paintDocument(QPagedPaintDevice& device, const PrintDocument& document)
{
    const Metrics metrics(device, document);
    const int pageCount = PageWalk(metrics, document, nullptr, nullptr, 0).walk();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PageWalk walk(metrics, document, &painter, &device, pageCount);
    walk.walk();
    return painter.end() && walk.painted();
}

bool writePdf(QIODevice& file, const PrintDocument& document)
{
    QPdfWriter writer(&file);
    writer.setTitle(document.title);
    writer.setCreator(applicationTitle());
    const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    writer.setPageLayout(QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    return paintDocument(writer, document);
}

PrintActions addPrintActions(QWidget* widget, const PrintSource& source, Platform& platform)
{
    auto* print = new QAction(QCoreApplication::translate("app::TablePrint", "&Print..."), widget);
    print->setObjectName(QStringLiteral("printAction"));
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    print->setEnabled(platform.printing != nullptr);
    widget->addAction(print);
    QObject::connect(print, &QAction::triggered, widget, [widget, &source, &platform] {
        QWidget* window = widget->window();
        if (platform.printing)
            runGuarded(platform.messages, window, [&] { printOnPrinter(window, source, platform); });
    });

    auto* pdf = new QAction(QCoreApplication::translate("app::TablePrint", "Export P&DF..."), widget);
    pdf->setObjectName(QStringLiteral("exportPdfAction"));
    widget->addAction(pdf);
    QObject::connect(pdf, &QAction::triggered, widget, [widget, &source, &platform] {
        runGuarded(platform.messages, widget->window(), [&] { exportToPdf(widget->window(), source, platform); });
    });
    return {print, pdf};
}

}  // namespace app
