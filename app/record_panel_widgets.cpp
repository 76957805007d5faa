#include "app/record_panel_widgets.h"

#include <QStandardPaths>

#include "app/qt_surface.h"

namespace tanukiban {

namespace {

QRect twips(int left, int top, int width, int height) {
    constexpr int k = QtSurface::kTwipsPerPixel;
    return QRect(left / k, top / k, width / k, height / k);
}

}  // namespace

QtRecordPanel::QtRecordPanel(QWidget* area) : area_(area), dir_(QDir::current()) {}

void QtRecordPanel::create() {
    QWidget* area = area_;
    drive_ = new QComboBox(area);
    drive_->setGeometry(twips(240, 360, 2535, 300));
    drive_->addItem(QStringLiteral("/"));
    drive_->addItem(QDir::homePath());
    folders_ = new QListWidget(area);
    folders_->setGeometry(twips(240, 600, 2535, 1710));
    files_ = new QListWidget(area);
    files_->setGeometry(twips(240, 2280, 2535, 930));

    // Labels and boxes from the bottom up, as the controls are numbered.
    const char* captions[4] = {"ﾌｧｲﾙ名 ：", "後    手 ：", "先    手 ：", "対 局 名："};
    const int labelTops[4] = {3120, 2880, 2640, 2400};
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel(QString::fromUtf8(captions[i]), area);
        labels_[i]->setGeometry(twips(120, labelTops[i], 855, 255));
    }
    // Text1 the file name, Text2 the title, Text3 the first player, Text4 the second.
    const int boxTops[4] = {3120, 2400, 2640, 2880};
    for (int i = 0; i < 4; ++i) {
        boxes_[i] = new QLineEdit(area);
        boxes_[i]->setGeometry(twips(960, boxTops[i], 2295, 270));
    }
    write_ = new QPushButton(QStringLiteral("RETURN"), area);
    write_->setGeometry(twips(3360, 3000, 855, 375));

    QObject::connect(drive_, &QComboBox::currentTextChanged, area,
                     [this](const QString& root) { showFolder(root); });
    QObject::connect(folders_, &QListWidget::itemActivated, area, [this](QListWidgetItem* item) {
        showFolder(dir_.absoluteFilePath(item->text()));
    });
    QObject::connect(files_, &QListWidget::itemClicked, files_, [this](QListWidgetItem* item) {
        if (onFileClick_) onFileClick_(item->text().toStdString());
    });
    QObject::connect(write_, &QPushButton::clicked, write_, [this] {
        if (onWrite_) onWrite_();
    });
    for (QWidget* w : std::initializer_list<QWidget*>{drive_, folders_, files_, write_}) w->hide();
    for (QLabel* l : labels_) l->hide();
    for (QLineEdit* b : boxes_) b->hide();
    showFolder(dir_.absolutePath());
}

void QtRecordPanel::showFolder(const QString& path) {
    QDir next(path);
    if (!next.exists() || !next.isReadable()) return;
    dir_ = QDir(next.canonicalPath());
    folders_->clear();
    if (!dir_.isRoot()) folders_->addItem(QStringLiteral(".."));
    folders_->addItems(dir_.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
    refreshFiles();
}

void QtRecordPanel::setListsVisible(bool drive, bool folder, bool files) {
    if (!created()) {
        if (!drive && !folder && !files) return;
        create();
    }
    drive_->setVisible(drive);
    folders_->setVisible(folder);
    files_->setVisible(files);
}

void QtRecordPanel::setWritePanelVisible(bool visible) {
    if (!created()) {
        if (!visible) return;
        create();
    }
    for (QLabel* l : labels_) l->setVisible(visible);
    for (QLineEdit* b : boxes_) b->setVisible(visible);
    write_->setVisible(visible);
}

std::string QtRecordPanel::text(RecordBox b) const {
    return created() ? box(b)->text().toStdString() : std::string();
}

void QtRecordPanel::setText(RecordBox b, std::string_view utf8) {
    if (!created()) {
        if (utf8.empty()) return;
        create();
    }
    box(b)->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string QtRecordPanel::folder() const {
    return dir_.absolutePath().toStdString();
}

void QtRecordPanel::refreshFiles() {
    if (!created()) return;
    files_->clear();
    files_->addItems(
        dir_.entryList({QStringLiteral("*.棋譜")}, QDir::Files | QDir::Readable, QDir::Name));
}

void QtRecordPanel::setFileClickHandler(std::function<void(const std::string&)> handler) {
    onFileClick_ = std::move(handler);
}

void QtRecordPanel::setWriteHandler(std::function<void()> handler) {
    onWrite_ = std::move(handler);
}

}  // namespace tanukiban
