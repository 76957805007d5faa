#pragma once
// The panel under the picture: the analysis strip, the review's note and
// progress bar, and the review's evaluation graph.
#include <QLabel>
#include <QProgressBar>
#include <QWidget>
#include <functional>
#include <vector>

#include "flow/platform.h"

namespace tanukiban {

// The evaluation of every ply of a reviewed game, from the lower side's
// view, with its mistakes and blunders; a click chooses a ply.
class ReviewGraph : public QWidget {
  public:
    explicit ReviewGraph(QWidget* parent = nullptr);
    void setPoints(std::vector<GraphPoint> points);
    void select(int ply);
    void setClickHandler(std::function<void(int ply)> handler) { click_ = std::move(handler); }
    QSize sizeHint() const override { return {600, 120}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    double xOf(int ply) const;
    double yOf(int evaluation) const;

    std::vector<GraphPoint> points_;
    int selected_ = 0;
    std::function<void(int ply)> click_;
};

class QtAnalysisPanel : public QWidget, public AnalysisPanel {
  public:
    explicit QtAnalysisPanel(QWidget* parent = nullptr);

    void setPanelVisible(bool visible) override;
    void setStrip(std::string_view utf8, int ply) override;
    void setReviewNote(std::string_view utf8) override;
    void setProgress(int done, int total) override;
    void setGraph(const std::vector<GraphPoint>& points) override;
    void selectPly(int ply) override;

    ReviewGraph& graph() { return *graph_; }
    QLabel& strip() { return *strip_; }
    // Called after the panel's height may have changed.
    void setResizeHandler(std::function<void()> handler) { resized_ = std::move(handler); }

  private:
    // The window grows or shrinks by what the panel's height changed.
    void relayout();

    QLabel* strip_;
    QLabel* note_;
    QProgressBar* progress_;
    ReviewGraph* graph_;
    int height_ = 0;  // the room the panel took last
    std::function<void()> resized_;
};

}  // namespace tanukiban
