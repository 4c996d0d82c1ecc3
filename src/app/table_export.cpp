#include "app/table_export.h"

#include "app/error_guard.h"
#include "app/safe_save.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIODevice>
#include <QItemSelectionModel>

#include <algorithm>
#include <vector>

namespace app {

namespace {

// The view's selected rows, each once, in the table's order; read from the
// selection's ranges, so selecting a long list costs no index per row.
std::vector<int> selectedRows(const QAbstractItemView& view)
{
    std::vector<int> rows;
    if (!view.selectionModel())
        return rows;
    for (const QItemSelectionRange& range : view.selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void appendTabbedLine(QString& text, const QStringList& cells)
{
    text += cells.join(QLatin1Char('\t'));
    text += QLatin1Char('\n');
}

// A field is quoted when it holds a separator, a quote or a line break, its
// quotes doubled.
void appendCsvLine(QByteArray& bytes, const QStringList& cells)
{
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            bytes += ',';
        const QByteArray cell = cells[i].toUtf8();
        if (cell.contains(',') || cell.contains('"') || cell.contains('\r') || cell.contains('\n')) {
            bytes += '"';
            bytes += QByteArray(cell).replace("\"", "\"\"");
            bytes += '"';
        } else {
            bytes += cell;
        }
    }
    bytes += "\r\n";
}

void copySelection(const QAbstractItemView& view, const TableRows& rows)
{
    const std::vector<int> selected = selectedRows(view);
    if (selected.empty())
        return;
    QString text;
    for (const int row : selected)
        appendTabbedLine(text, rows.cells(row, CellText::Shown));
    QGuiApplication::clipboard()->setText(text);
}

void copyAll(const TableRows& rows)
{
    QString text;
    appendTabbedLine(text, rows.columnTitles(CellText::Shown));
    const int count = rows.tableRowCount();
    for (int row = 0; row < count; ++row)
        appendTabbedLine(text, rows.cells(row, CellText::Shown));
    QGuiApplication::clipboard()->setText(text);
}

// The header and every row, handed to the file in chunks, so a long table
// never sits in memory twice. False when a write failed.
bool writeCsv(QIODevice& file, const TableRows& rows)
{
    constexpr qsizetype chunkBytes = 1 << 16;
    QByteArray bytes;
    appendCsvLine(bytes, rows.columnTitles(CellText::File));
    const int count = rows.tableRowCount();
    for (int row = 0; row < count; ++row) {
        appendCsvLine(bytes, rows.cells(row, CellText::File));
        if (bytes.size() >= chunkBytes) {
            if (file.write(bytes) < 0)
                return false;
            bytes.clear();
        }
    }
    return file.write(bytes) >= 0;
}

// A cancelled dialog writes nothing and says nothing.
void saveCsv(QAbstractItemView* view, const TableRows& rows, Platform& platform)
{
    SaveFileRequest request;
    request.caption = QCoreApplication::translate("app::TableExport", "Save as CSV");
    request.filter = QCoreApplication::translate("app::TableExport", "CSV files (*.csv)");
    request.defaultSuffix = QStringLiteral("csv");
    const QString fileName = platform.files.saveFileName(view->window(), request);
    if (fileName.isEmpty())
        return;
    saveWhole(fileName, [&rows](QIODevice& file) { return writeCsv(file, rows); }, platform.messages,
              view->window());
}

// caption: marked with QT_TRANSLATE_NOOP, translated here.
QAction* addAction(QAbstractItemView* view, const char* caption, const char* name)
{
    auto* action = new QAction(QCoreApplication::translate("app::TableExport", caption), view);
    action->setObjectName(QLatin1String(name));
    view->addAction(action);
    return action;
}

}  // namespace

void addTableExport(QAbstractItemView* view, const TableRows& rows, Platform& platform)
{
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);

    QAction* copy = addAction(view, QT_TRANSLATE_NOOP("app::TableExport", "&Copy"), "copyAction");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QAction::triggered, view, [view, &rows, &platform] {
        runGuarded(platform.messages, view->window(), [&] { copySelection(*view, rows); });
    });

    QAction* all = addAction(view, QT_TRANSLATE_NOOP("app::TableExport", "Copy A&ll"), "copyAllAction");
    QObject::connect(all, &QAction::triggered, view, [view, &rows, &platform] {
        runGuarded(platform.messages, view->window(), [&] { copyAll(rows); });
    });

    QAction* save = addAction(view, QT_TRANSLATE_NOOP("app::TableExport", "&Save as CSV..."), "saveCsvAction");
    QObject::connect(save, &QAction::triggered, view, [view, &rows, &platform] {
        runGuarded(platform.messages, view->window(), [&] { saveCsv(view, rows, platform); });
    });
}

}  // namespace app
