#include "editor/AnalysisWindow.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum StartColumn {
    PlayerColumn,
    CellColumn,
    NearestColumn,
    CostColumn,
    OpenPathColumn,
    RoomColumn,
    TerritoryColumn,
    StartColumns
};
constexpr int ShownFindingRows = 5;

QString CellText(Cell cell) {
    return QStringLiteral("(%1,%2)").arg(cell.column).arg(cell.row);
}

QString NumberOrDash(const std::optional<int>& value) {
    return value ? QString::number(*value) : QStringLiteral("-");
}

QString FindingText(const Finding& finding) {
    const char* severity = finding.severity == Finding::Severity::Error ? "Error" : "Warning";
    return QStringLiteral("%1 at %2: %3")
        .arg(QLatin1String(severity), CellText(CellOfFinding(finding)),
             QString::fromStdString(finding.text));
}

// Sets a cell's text; an unchanged text costs no repaint.
void SetText(QTableWidget* table, int row, int column, const QString& text) {
    if (QTableWidgetItem* item = table->item(row, column))
        item->setText(text);
    else
        table->setItem(row, column, new QTableWidgetItem(text));
}

// A control of the window, with its object name and its name for screen readers.
template <class Control>
Control* Named(Control* control, const char* objectName, const char* accessibleName) {
    control->setObjectName(QLatin1String(objectName));
    control->setAccessibleName(QLatin1String(accessibleName));
    return control;
}

// A read-only table whose rows and columns all fit without scrolling.
QTableWidget* NewTable(const char* name, const char* accessibleName, int rows,
                       const QStringList& headers, QWidget* parent) {
    auto* table = Named(new QTableWidget(rows, int(headers.size()), parent), name, accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                          rows * table->verticalHeader()->defaultSectionSize() +
                          2 * table->frameWidth());
    return table;
}

QString Capitalised(const std::string& text) {
    QString capitalised = QString::fromStdString(text);
    capitalised[0] = capitalised[0].toUpper();
    return capitalised;
}

} // namespace

AnalysisWindow::AnalysisWindow(const DocumentSession& session, QWidget* editor)
    : CompanionWindow(QStringLiteral("Level Analysis"), Qt::Key_F2, editor), Session(session) {
    Starts = NewTable("startsTable", "Players", PlayerCount + 1,
                      {QStringLiteral("Player"), QStringLiteral("Cell"), QStringLiteral("Nearest"),
                       QStringLiteral("Cost"), QStringLiteral("Open path"), QStringLiteral("Room"),
                       QStringLiteral("Territory")},
                      this);
    Shares = NewTable("sharesTable", "Symmetry", int(Mirrors.size()),
                      {QStringLiteral("Mirror"), QStringLiteral("Symmetry")}, this);
    for (const Mirror mirror : Mirrors)
        SetText(Shares, int(mirror), 0, Capitalised(MirrorName(mirror)));
    Findings = Named(new QListWidget(this), "findingsList", "Findings");
    Findings->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    Findings->setFixedHeight(ShownFindingRows * Findings->fontMetrics().height() * 3 / 2);
    BrickCost = Named(new QSpinBox(this), "brickCostBox", "Brick cost");
    BrickCost->setRange(LeastBrickCost, GreatestBrickCost);
    BrickCost->setValue(DefaultBrickCost);
    MirrorLabel = Named(new QLabel(this), "mirrorLabel", "Mirror painting");

    auto* layout = new QFormLayout(this);
    layout->setRowWrapPolicy(QFormLayout::WrapAllRows);
    // The window takes the size its tables ask for, so that no column is ever cut off.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const auto addRow = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        layout->addRow(label, field);
    };
    addRow(QStringLiteral("&Players"), Starts);
    addRow(QStringLiteral("S&ymmetry"), Shares);
    addRow(QStringLiteral("&Findings"), Findings);
    addRow(QStringLiteral("&Brick cost:"), BrickCost);
    layout->addRow(MirrorLabel);

    connect(&Session, &DocumentSession::DocumentChanged, this, [this] {
        if (isVisible())
            Refresh();
    });
    connect(&Session, &DocumentSession::PaintMirrorChanged, this, &AnalysisWindow::ShowMirror);
    connect(BrickCost, &QSpinBox::valueChanged, this, &AnalysisWindow::Refresh);
    connect(Findings, &QListWidget::itemClicked, this, &AnalysisWindow::ChooseFinding);
    connect(Findings, &QListWidget::itemActivated, this, &AnalysisWindow::ChooseFinding);
    ShowMirror();
}

void AnalysisWindow::showEvent(QShowEvent* event) {
    Refresh();
    QWidget::showEvent(event);
}

void AnalysisWindow::Refresh() {
    const LevelDocument& level = Session.Document();
    const LevelAnalysis analysis = AnalyseLevel(level.Grid(), level.Starts(), BrickCost->value());
    ShowStarts(analysis);
    ShowShares(analysis);
    ShowFindings(analysis);
}

// A row per placed start in player order, then the spread.
void AnalysisWindow::ShowStarts(const LevelAnalysis& analysis) {
    const int spreadRow = int(analysis.starts.size());
    Starts->setRowCount(spreadRow + 1);
    for (int row = 0; row < spreadRow; ++row) {
        const StartAnalysis& start = analysis.starts[row];
        const QString texts[StartColumns] = {
            QString::number(start.player + 1),
            CellText(start.cell),
            start.nearest ? QString::number(start.nearest->player + 1) : QStringLiteral("-"),
            start.nearest ? QString::number(start.nearest->cost) : QStringLiteral("-"),
            start.openPath ? QStringLiteral("yes") : QStringLiteral("no"),
            QString::number(start.room),
            QString::number(start.territory)};
        for (int column = 0; column < StartColumns; ++column)
            SetText(Starts, row, column, texts[column]);
    }
    const AnalysisSpread& spread = analysis.spread;
    const QString texts[StartColumns] = {
        QStringLiteral("Spread"),      {}, {},
        NumberOrDash(spread.nearest),  {}, NumberOrDash(spread.room),
        NumberOrDash(spread.territory)};
    for (int column = 0; column < StartColumns; ++column)
        SetText(Starts, spreadRow, column, texts[column]);
}

void AnalysisWindow::ShowShares(const LevelAnalysis& analysis) {
    for (const Mirror mirror : Mirrors)
        SetText(Shares, int(mirror), 1,
                QStringLiteral("%1%").arg(100 * analysis.Share(mirror), 0, 'f', 1));
}

// The list is built again only when its texts change, so that the finding chosen stays chosen.
void AnalysisWindow::ShowFindings(const LevelAnalysis& analysis) {
    QStringList texts;
    for (const Finding& finding : analysis.findings)
        texts.append(FindingText(finding));
    QStringList shown;
    for (int row = 0; row < Findings->count(); ++row)
        shown.append(Findings->item(row)->text());
    if (texts == shown)
        return;
    Findings->clear();
    for (qsizetype at = 0; at < texts.size(); ++at) {
        auto* item = new QListWidgetItem(texts[at], Findings);
        const Cell cell = CellOfFinding(analysis.findings[at]);
        item->setData(Qt::UserRole, QPoint(cell.column, cell.row));
    }
}

void AnalysisWindow::ShowMirror() {
    MirrorLabel->setText(QStringLiteral("Mirror: %1")
                             .arg(QString::fromStdString(MirrorName(Session.PaintMirror()))));
}

void AnalysisWindow::ChooseFinding(const QListWidgetItem* item) {
    const QPoint cell = item->data(Qt::UserRole).toPoint();
    emit FindingChosen({cell.x(), cell.y()});
}
