#pragma once
// The record file panel's controls, laid on the drawing area at their
// positions in twips and hidden until the record menu opens them.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <array>
#include <functional>

#include "flow/platform.h"

namespace tanukiban {

class QtRecordPanel : public RecordPanel {
  public:
    explicit QtRecordPanel(QWidget* area);

    void setListsVisible(bool drive, bool folder, bool files) override;
    void setWritePanelVisible(bool visible) override;
    std::string text(RecordBox box) const override;
    void setText(RecordBox box, std::string_view utf8) override;
    std::string folder() const override;
    void refreshFiles() override;

    // A file name clicked in the file list, and the "RETURN" button.
    void setFileClickHandler(std::function<void(const std::string&)> handler);
    void setWriteHandler(std::function<void()> handler);

  private:
    // The controls are made the first time something is shown or typed into,
    // which keeps them out of the start-up.
    void create();
    bool created() const { return drive_ != nullptr; }
    void showFolder(const QString& path);
    QLineEdit* box(RecordBox b) const { return boxes_[static_cast<int>(b)]; }

    QWidget* area_;
    QComboBox* drive_ = nullptr;
    QListWidget* folders_ = nullptr;
    QListWidget* files_ = nullptr;
    std::array<QLabel*, 4> labels_{};
    std::array<QLineEdit*, 4> boxes_{};  // Text1..Text4
    QPushButton* write_ = nullptr;
    QDir dir_;
    std::function<void(const std::string&)> onFileClick_;
    std::function<void()> onWrite_;
};

}  // namespace tanukiban
