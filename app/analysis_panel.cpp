#include "app/analysis_panel.h"

#include <QDateTime>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>

namespace tanukiban {

namespace {

QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The graph's range: ±15 pawns, a mate at the edge.
constexpr int kGraphLimit = 1500;
constexpr int kMargin = 6;

}  // namespace

ReviewGraph::ReviewGraph(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(100);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

void ReviewGraph::setPoints(std::vector<GraphPoint> points) {
    points_ = std::move(points);
    update();
}

void ReviewGraph::select(int ply) {
    if (ply == selected_) return;
    selected_ = ply;
    update();
}

double ReviewGraph::xOf(int ply) const {
    const int last = points_.empty() ? 1 : std::max(1, points_.back().ply);
    return kMargin + (width() - 2.0 * kMargin) * ply / last;
}

double ReviewGraph::yOf(int evaluation) const {
    const int v = std::clamp(evaluation, -kGraphLimit, kGraphLimit);
    return height() / 2.0 - (height() / 2.0 - kMargin) * v / kGraphLimit;
}

void ReviewGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(24, 40, 24));
    // The lower side's half below the middle line, shaded.
    p.fillRect(QRectF(0, height() / 2.0, width(), height() / 2.0), QColor(32, 56, 32));
    p.setPen(QPen(QColor(120, 140, 120), 1, Qt::DashLine));
    p.drawLine(QPointF(0, height() / 2.0), QPointF(width(), height() / 2.0));
    if (points_.empty()) return;
    QPolygonF curve;
    for (const GraphPoint& g : points_) curve << QPointF(xOf(g.ply), yOf(g.evaluation));
    QPolygonF area = curve;
    area << QPointF(xOf(points_.back().ply), yOf(0)) << QPointF(xOf(points_.front().ply), yOf(0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 230, 70));
    p.drawPolygon(area);
    p.setPen(QPen(QColor(240, 240, 240), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(curve);
    for (const GraphPoint& g : points_) {
        if (g.mark == PlyMark::None) continue;
        const bool blunder = g.mark == PlyMark::Blunder;
        p.setPen(Qt::NoPen);
        p.setBrush(blunder ? QColor(230, 50, 50) : QColor(240, 170, 40));
        p.drawEllipse(QPointF(xOf(g.ply), yOf(g.evaluation)), blunder ? 4.5 : 3.5,
                      blunder ? 4.5 : 3.5);
    }
    if (selected_ > 0) {
        p.setPen(QPen(QColor(90, 200, 255), 1.5));
        p.drawLine(QPointF(xOf(selected_), 0), QPointF(xOf(selected_), height()));
    }
}

void ReviewGraph::mousePressEvent(QMouseEvent* event) {
    if (points_.empty() || !click_ || event->button() != Qt::LeftButton) return;
    const int last = points_.back().ply;
    const double at = (event->position().x() - kMargin) / std::max(1.0, width() - 2.0 * kMargin);
    click_(std::clamp(static_cast<int>(std::lround(at * last)), 0, last));
}

QtAnalysisPanel::QtAnalysisPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    strip_ = new QLabel(this);
    note_ = new QLabel(this);
    QFont font = strip_->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    for (QLabel* l : {strip_, note_}) {
        l->setFont(font);
        l->setTextFormat(Qt::PlainText);
        l->setMinimumHeight(l->fontMetrics().height() + 4);
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        layout->addWidget(l);
    }
    note_->hide();
    progress_ = new QProgressBar(this);
    progress_->hide();
    layout->addWidget(progress_);
    graph_ = new ReviewGraph(this);
    graph_->hide();
    layout->addWidget(graph_);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QWidget::setVisible(false);
}

void QtAnalysisPanel::setPanelVisible(bool visible) {
    if (visible == !isHidden()) return;
    QWidget::setVisible(visible);
    relayout();
}

void QtAnalysisPanel::setStrip(std::string_view utf8, int ply) {
    strip_->setText(qs(utf8));
    // For the window tests, which cannot read the strip off the screen: each
    // change, when (milliseconds since the epoch) and for which ply.
    static const char* const log = std::getenv("TANUKIBAN_STRIP_LOG");
    if (log)
        std::ofstream(log, std::ios::app)
            << QDateTime::currentMSecsSinceEpoch() << ' ' << ply << ' ' << utf8 << '\n';
}

void QtAnalysisPanel::setReviewNote(std::string_view utf8) {
    note_->setText(qs(utf8));
    if (note_->isHidden() == utf8.empty()) return;
    note_->setVisible(!utf8.empty());
    relayout();
}

void QtAnalysisPanel::setProgress(int done, int total) {
    const bool shown = total > 0;
    progress_->setRange(0, std::max(1, total));
    progress_->setValue(done);
    if (progress_->isHidden() != shown) return;
    progress_->setVisible(shown);
    relayout();
}

void QtAnalysisPanel::setGraph(const std::vector<GraphPoint>& points) {
    graph_->setPoints(points);
    if (graph_->isHidden() == points.empty()) return;
    graph_->setVisible(!points.empty());
    relayout();
}

void QtAnalysisPanel::selectPly(int ply) {
    graph_->select(ply);
}

void QtAnalysisPanel::relayout() {
    layout()->activate();
    const int now = isHidden() ? 0 : sizeHint().height();
    const int change = now - height_;
    height_ = now;
    if (change != 0 && resized_) resized_();
}

}  // namespace tanukiban
