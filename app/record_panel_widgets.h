#pragma once
// The record file panel's controls, laid on the drawing area at their
// positions in twips and hidden until the record menu opens them.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <array>
#include <functional>
#include <utility>
#include <vector>

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
    std::string drive() const override;
    std::string folderListPath() const override;
    bool setFolderListPath(const std::string& path) override;
    void setFileListPath(const std::string& path) override;

    // What the player does to the controls: a file name clicked, the "RETURN"
    // button, another drive chosen, a folder opened in the folder list.
    void setFileClickHandler(std::function<void(const std::string&)> handler);
    void setWriteHandler(std::function<void()> handler);
    void setDriveChangeHandler(std::function<void()> handler);
    void setFolderChangeHandler(std::function<void()> handler);

    // Lays the controls out at `scale` times their natural size, with the
    // picture's top-left corner at `origin` of the drawing area.
    void setScale(double scale, QPoint origin);
    // The labels in the language chosen now.
    void retranslate();

    // The roots a user of this machine has: "/", the home folder and any
    // mounted removable media.
    static QStringList driveRoots();

    // For tests and screenshots: the controls as made (nullptr until first shown).
    QComboBox* driveList() const { return drive_; }
    QListWidget* folderList() const { return folders_; }
    QListWidget* fileList() const { return files_; }
    QLineEdit* box(RecordBox b) const { return created() ? boxes_[static_cast<int>(b)] : nullptr; }
    QLabel* label(int index) const { return created() ? labels_[index] : nullptr; }
    QPushButton* writeButton() const { return write_; }

  private:
    // The controls are made the first time something is shown or typed into,
    // which keeps them out of the start-up.
    void create();
    bool created() const { return drive_ != nullptr; }
    void fillDrives();
    // Chooses, without an event, the drive that holds the folder list's folder.
    void selectDriveOfFolder();
    void fillFolders();
    // Puts a control at its place in twips, at the current scale.
    void place(QWidget* control, const QRect& twips);
    void layOut();

    QWidget* area_;
    QComboBox* drive_ = nullptr;
    QListWidget* folders_ = nullptr;
    QListWidget* files_ = nullptr;
    std::array<QLabel*, 4> labels_{};    // Label1(0..3)
    std::array<QLineEdit*, 4> boxes_{};  // Text1..Text4
    QPushButton* write_ = nullptr;
    std::vector<std::pair<QWidget*, QRect>> places_;  // each control's place in twips
    double scale_ = 1;
    QPoint origin_;
    QDir folderDir_;  // Dir1's folder
    QDir fileDir_;    // File1's folder
    std::function<void(const std::string&)> onFileClick_;
    std::function<void()> onWrite_;
    std::function<void()> onDriveChange_;
    std::function<void()> onFolderChange_;
};

}  // namespace tanukiban
