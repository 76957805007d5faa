#include "app/record_panel_widgets.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <cmath>

#include "app/qt_surface.h"
#include "text/language.h"

namespace tanukiban {

namespace {

QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

constexpr int kPathRole = Qt::UserRole;

// Label1(0..3), numbered from the bottom up.
constexpr const char* kCaptions[4] = {"ﾌｧｲﾙ名 ：", "後    手 ：", "先    手 ：", "対 局 名："};

QString caption(int index) {
    return QString::fromStdString(text::tr(kCaptions[index]));
}

// A block device the kernel marks removable (USB sticks, card readers, discs).
bool onRemovableDevice(const QStorageInfo& volume) {
    const QString device = QString::fromLocal8Bit(volume.device());
    if (!device.startsWith(QStringLiteral("/dev/"))) return false;
    const QString node =
        QFileInfo(QStringLiteral("/sys/class/block/") + device.mid(5)).canonicalFilePath();
    if (node.isEmpty()) return false;
    // A partition's flag lives with the disk it belongs to.
    for (const QString& dir : {node, QFileInfo(node).path()}) {
        QFile flag(dir + QStringLiteral("/removable"));
        if (flag.open(QIODevice::ReadOnly)) return flag.readAll().trimmed() == "1";
    }
    return false;
}

// Where the desktop's automounter puts media it mounts for the user.
bool isMediaMount(const QString& root) {
    return root.startsWith(QStringLiteral("/media/")) ||
           root.startsWith(QStringLiteral("/run/media/"));
}

// The folder exists and its entries can be listed.
bool opens(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

}  // namespace

QtRecordPanel::QtRecordPanel(QWidget* area)
    : area_(area), folderDir_(QDir::current()), fileDir_(QDir::current()) {}

QStringList QtRecordPanel::driveRoots() {
    QStringList roots{QStringLiteral("/"), QDir::homePath()};
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid()) continue;
        const QString root = v.rootPath();
        if (isMediaMount(root) || onRemovableDevice(v)) roots << root;
    }
    roots.removeDuplicates();
    return roots;
}

void QtRecordPanel::create() {
    QWidget* area = area_;
    drive_ = new QComboBox(area);
    place(drive_, QRect(240, 360, 2535, 300));
    folders_ = new QListWidget(area);
    place(folders_, QRect(240, 600, 2535, 1710));
    files_ = new QListWidget(area);
    place(files_, QRect(240, 2280, 2535, 930));

    const int labelTops[4] = {3120, 2880, 2640, 2400};
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel(caption(i), area);
        place(labels_[i], QRect(120, labelTops[i], 855, 255));
    }
    // Text1 the file name, Text2 the title, Text3 the first player, Text4 the second.
    const int boxTops[4] = {3120, 2400, 2640, 2880};
    for (int i = 0; i < 4; ++i) {
        boxes_[i] = new QLineEdit(area);
        place(boxes_[i], QRect(960, boxTops[i], 2295, 270));
        boxes_[i]->setAttribute(Qt::WA_InputMethodEnabled, true);
    }
    write_ = new QPushButton(QStringLiteral("RETURN"), area);
    place(write_, QRect(3360, 3000, 855, 375));
    layOut();

    for (QWidget* w : std::initializer_list<QWidget*>{drive_, folders_, files_, write_}) w->hide();
    for (QLabel* l : labels_) {
        l->setAutoFillBackground(true);
        l->hide();
    }
    for (QLineEdit* b : boxes_) b->hide();
    // Typing goes from the title down to the file name.
    QWidget::setTabOrder(boxes_[1], boxes_[2]);
    QWidget::setTabOrder(boxes_[2], boxes_[3]);
    QWidget::setTabOrder(boxes_[3], boxes_[0]);
    QWidget::setTabOrder(boxes_[0], write_);

    // Only the player's own actions are events: the panel's own settings are
    // made with the signals blocked.
    QObject::connect(drive_, &QComboBox::currentIndexChanged, area, [this](int) {
        if (onDriveChange_) onDriveChange_();
        selectDriveOfFolder();
    });
    QObject::connect(folders_, &QListWidget::itemActivated, area, [this](QListWidgetItem* item) {
        if (setFolderListPath(item->data(kPathRole).toString().toStdString()) && onFolderChange_)
            onFolderChange_();
    });
    QObject::connect(files_, &QListWidget::itemClicked, area, [this](QListWidgetItem* item) {
        if (onFileClick_) onFileClick_(item->text().toStdString());
    });
    QObject::connect(write_, &QPushButton::clicked, area, [this] {
        if (onWrite_) onWrite_();
    });

    fillDrives();
    fillFolders();
    refreshFiles();
}

void QtRecordPanel::retranslate() {
    if (!created()) return;
    for (int i = 0; i < 4; ++i) labels_[i]->setText(caption(i));
}

void QtRecordPanel::place(QWidget* control, const QRect& twips) {
    places_.emplace_back(control, twips);
}

void QtRecordPanel::setScale(double scale, QPoint origin) {
    if (scale == scale_ && origin == origin_) return;
    scale_ = scale;
    origin_ = origin;
    if (created()) layOut();
}

void QtRecordPanel::layOut() {
    // Both edges are rounded, so that neighbouring controls stay neighbours.
    const double k = scale_ / QtSurface::kTwipsPerPixel;
    auto at = [k](int twips) { return static_cast<int>(std::lround(twips * k)); };
    QFont font = QApplication::font();
    font.setPointSizeF(9 * scale_);
    for (const auto& [control, t] : places_) {
        const int left = at(t.left()), top = at(t.top());
        control->setGeometry(origin_.x() + left, origin_.y() + top, at(t.left() + t.width()) - left,
                             at(t.top() + t.height()) - top);
        control->setFont(font);
    }
    const int icon = folders_->style()->pixelMetric(QStyle::PM_SmallIconSize);
    const QSize iconSize(at(icon * QtSurface::kTwipsPerPixel),
                         at(icon * QtSurface::kTwipsPerPixel));
    folders_->setIconSize(iconSize);
    drive_->setIconSize(iconSize);
}

void QtRecordPanel::fillDrives() {
    const QSignalBlocker quiet(drive_);
    drive_->clear();
    for (const QString& root : driveRoots()) drive_->addItem(root);
    selectDriveOfFolder();
}

void QtRecordPanel::selectDriveOfFolder() {
    const QString folder = folderDir_.absolutePath();
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drive_->count(); ++i) {
        const QString root = drive_->itemText(i);
        const bool holds = root == QStringLiteral("/") || folder == root ||
                           folder.startsWith(root + QLatin1Char('/'));
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    const QSignalBlocker quiet(drive_);
    drive_->setCurrentIndex(best);
}

// The folder's ancestors from the root down, open, then its own folders,
// each indented one step further, as a folder tree shows one path.
void QtRecordPanel::fillFolders() {
    folders_->clear();
    QStyle* style = folders_->style();
    const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style->standardIcon(QStyle::SP_DirClosedIcon);
    QStringList chain;
    for (QDir d = folderDir_;;) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp()) break;
    }
    int depth = 0;
    for (const QString& path : chain) {
        const QString name = depth == 0 ? path : QFileInfo(path).fileName();
        auto* item =
            new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, folders_);
        item->setData(kPathRole, path);
        ++depth;
    }
    if (QListWidgetItem* current = folders_->item(folders_->count() - 1))
        folders_->setCurrentItem(current);
    const QStringList children =
        folderDir_.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children) {
        auto* item =
            new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + child, folders_);
        item->setData(kPathRole, folderDir_.absoluteFilePath(child));
    }
}

void QtRecordPanel::setListsVisible(bool drive, bool folder, bool files) {
    if (!created()) {
        if (!drive && !folder && !files) return;
        create();
    }
    // Media come and go, and files are written by others: look again on opening.
    if (drive && !drive_->isVisible()) fillDrives();
    if (files && !files_->isVisible()) refreshFiles();
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
    if (visible) boxes_[1]->setFocus();
}

std::string QtRecordPanel::text(RecordBox b) const {
    return created() ? box(b)->text().toStdString() : std::string();
}

void QtRecordPanel::setText(RecordBox b, std::string_view utf8) {
    if (!created()) {
        if (utf8.empty()) return;
        create();
    }
    box(b)->setText(qs(utf8));
}

std::string QtRecordPanel::folder() const {
    return fileDir_.absolutePath().toStdString();
}

void QtRecordPanel::refreshFiles() {
    if (!created()) return;
    files_->clear();
    files_->addItems(fileDir_.entryList({QStringLiteral("*.棋譜")}, QDir::Files | QDir::Readable,
                                        QDir::Name | QDir::IgnoreCase));
}

std::string QtRecordPanel::drive() const {
    if (!created() || drive_->currentIndex() < 0) return QDir::rootPath().toStdString();
    return drive_->currentText().toStdString();
}

std::string QtRecordPanel::folderListPath() const {
    return folderDir_.absolutePath().toStdString();
}

bool QtRecordPanel::setFolderListPath(const std::string& path) {
    const QString wanted = qs(path);
    if (!opens(wanted)) return false;
    folderDir_ = QDir(QDir(wanted).canonicalPath());
    if (created()) fillFolders();
    return true;
}

void QtRecordPanel::setFileListPath(const std::string& path) {
    fileDir_ = QDir(qs(path));
    refreshFiles();
}

void QtRecordPanel::setFileClickHandler(std::function<void(const std::string&)> handler) {
    onFileClick_ = std::move(handler);
}

void QtRecordPanel::setWriteHandler(std::function<void()> handler) {
    onWrite_ = std::move(handler);
}

void QtRecordPanel::setDriveChangeHandler(std::function<void()> handler) {
    onDriveChange_ = std::move(handler);
}

void QtRecordPanel::setFolderChangeHandler(std::function<void()> handler) {
    onFolderChange_ = std::move(handler);
}

}  // namespace tanukiban
