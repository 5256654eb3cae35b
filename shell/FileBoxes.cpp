// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/FileBoxes.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <iterator>

#include "platform/SceneWindow.h"

namespace tarnwick {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int DepthRole = Qt::UserRole + 1;
constexpr int IndentPerLevel = 8;

// Draws the directory list as a little tree: each folder indented by its
// depth below the drive's root.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.adjust(index.data(DepthRole).toInt() * IndentPerLevel, 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += index.data(DepthRole).toInt() * IndentPerLevel;
        return size;
    }
};

QListWidgetItem* FolderItem(const QString& text, const QString& path, int depth, bool open) {
    const auto icon = QApplication::style()->standardIcon(open ? QStyle::SP_DirOpenIcon
                                                               : QStyle::SP_DirClosedIcon);
    auto* item = new QListWidgetItem(icon, text);
    item->setData(PathRole, path);
    item->setData(DepthRole, depth);
    return item;
}

// The mounted volumes that hold folders, the root first.
QStringList Volumes() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = volume.rootPath();
        if (root.isEmpty() || !QFileInfo(root).isDir() || roots.contains(root)) continue;
        roots << root;
    }
    std::sort(roots.begin(), roots.end(), [](const QString& a, const QString& b) {
        if (a == QDir::rootPath() || b == QDir::rootPath()) return a == QDir::rootPath() && b != a;
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return roots;
}

}  // namespace

FileBoxes::FileBoxes(QListWidget* fileList, QListWidget* directoryList, QComboBox* driveBox)
    : QObject(fileList), files_(fileList), directories_(directoryList), drives_(driveBox) {
    directories_->setItemDelegate(new IndentDelegate(directories_));
    directories_->setIconSize(QSize(16, 16));
    files_->setSelectionMode(QAbstractItemView::SingleSelection);

    // Only a file the player picks counts: the list also makes its first
    // row current (unselected) whenever it merely takes the focus.
    connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
        const QString name = FileName();
        if (!name.isEmpty()) emit FileChosen(name);
    });
    connect(files_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit FileChosen(item->text()); });
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        files_->setCurrentItem(item);
        emit FileDoubleClicked();
    });
    // The list is filled anew after the double click has been handled,
    // not under the item that was clicked.
    connect(directories_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const QString path = item->data(PathRole).toString();
        QMetaObject::invokeMethod(this, [this, path] { SetDirectory(path); }, Qt::QueuedConnection);
    });
    connect(drives_, &QComboBox::activated, this, [this](int index) { DriveActivated(index); });
    directories_->installEventFilter(this);
}

bool FileBoxes::eventFilter(QObject* watched, QEvent* event) {
    if (watched != directories_ || event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    // In the folder list, Enter opens the folder chosen and Backspace the
    // one above, as in the desktop's file windows; neither confirms.
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (QListWidgetItem* item = directories_->currentItem()) SetDirectory(item->data(PathRole).toString());
        return true;
    case Qt::Key_Backspace:
        if (!QDir(directory_).isRoot()) SetDirectory(QFileInfo(directory_).absolutePath());
        return true;
    default: return false;
    }
}

void FileBoxes::SetDirectory(const QString& directory) {
    Locate(directory);
    Refresh();
}

void FileBoxes::Locate(const QString& directory) {
    QString path = QDir::cleanPath(QDir(directory).absolutePath());
    while (!QFileInfo(path).isDir() && !QDir(path).isRoot()) {
        path = QFileInfo(path).absolutePath();
    }
    directory_ = path;
}

void FileBoxes::Refresh() {
    FillDrives();
    FillDirectories();
    FillFiles();
}

QString FileBoxes::FileName() const {
    const auto picked = files_->selectedItems();
    return picked.isEmpty() ? QString() : picked.first()->text();
}

bool FileBoxes::SelectFile(const QString& name) {
    const auto found = files_->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) return false;
    files_->setCurrentItem(found.first());
    return true;
}

void FileBoxes::FillDrives() {
    const QSignalBlocker quiet(drives_);
    drives_->clear();
    QStringList roots = Volumes();
    const QString mine = QStorageInfo(directory_).rootPath();
    if (!mine.isEmpty() && !roots.contains(mine)) roots << mine;
    drives_->addItems(roots);
    drives_->setCurrentIndex(std::max(0, static_cast<int>(roots.indexOf(mine))));
}

void FileBoxes::FillDirectories() {
    directories_->clear();
    // The way down from the root, each folder open ...
    QStringList chain;
    for (QDir dir(directory_);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    int depth = 0;
    for (const QString& path : chain) {
        const QString name = QDir(path).isRoot() ? path : QFileInfo(path).fileName();
        directories_->addItem(FolderItem(name, path, depth++, true));
    }
    directories_->setCurrentRow(directories_->count() - 1);
    QListWidgetItem* current = directories_->currentItem();
    // ... then the folders inside the current one, closed.
    const QDir here(directory_);
    const auto subfolders =
        here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        directories_->addItem(FolderItem(name, here.filePath(name), depth, false));
    }
    directories_->scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

void FileBoxes::FillFiles() {
    const QSignalBlocker quiet(files_);
    files_->clear();
    const auto names = QDir(directory_).entryList({QStringLiteral("*.htk")}, QDir::Files,
                                                  QDir::Name | QDir::IgnoreCase);
    files_->addItems(names);
    files_->setCurrentRow(-1);
}

void FileBoxes::DriveActivated(int index) {
    if (index < 0) return;
    SetDirectory(drives_->itemText(index));
}

FileWindow::FileWindow(const Game& game, const char* name, const BiText& title, const QRect& fileList)
    : game_(game), title_(title), fileList_(fileList) {
    setObjectName(name);
    setFixedSize(329, 276);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(11);
    setFont(font);
}

void FileWindow::Build() {
    if (boxes_) return;
    const QRect fileList = fileList_;
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(80, 240, 77, 27);
    OKBtn->setDefault(true);
    OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    CancelBtn = new QPushButton(this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(164, 240, 77, 27);
    CancelBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(ModalDone); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(ModalLeft); });

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(8, 4, 313, 229);
    Label1 = AddCaption(fileList.left(), fileList.top() - 16);
    FileListBox = new QListWidget(GroupBox1);
    FileListBox->setGeometry(fileList);
    Label2 = AddCaption(160, 12);
    DirectoryListBox = new QListWidget(GroupBox1);
    DirectoryListBox->setGeometry(160, 28, 145, 149);
    Label3 = AddCaption(160, 184);
    DriveComboBox = new QComboBox(GroupBox1);
    DriveComboBox->setGeometry(160, 202, 145, 19);

    // Each list is named by its caption, for a screen reader.
    Label1->setBuddy(FileListBox);
    Label2->setBuddy(DirectoryListBox);
    Label3->setBuddy(DriveComboBox);
    boxes_ = new FileBoxes(FileListBox, DirectoryListBox, DriveComboBox);
    connect(boxes_, &FileBoxes::FileDoubleClicked, this, [this] { FileListBoxDblClick(); });
    OrderTabs(nullptr);
    AddControls();
}

void FileWindow::SetDirectory(const QString& directory) {
    Build();
    boxes_->SetDirectory(directory);
}

bool FileWindow::SelectFile(const QString& name) {
    Build();
    return boxes_->SelectFile(name);
}

void FileWindow::OrderTabs(QWidget* first) {
    QWidget* const order[] = {first, FileListBox, DirectoryListBox, DriveComboBox, OKBtn,
                              CancelBtn};
    for (std::size_t n = first ? 0 : 1; n + 1 < std::size(order); ++n)
        setTabOrder(order[n], order[n + 1]);
}

QLabel* FileWindow::AddCaption(int left, int top) {
    auto* caption = new QLabel(GroupBox1);
    caption->setGeometry(left, top, 145, 14);
    return caption;
}

int FileWindow::ShowModal(const QString& directory) {
    Build();
    boxes_->Locate(directory);
    FormActivate();  // fills the lists there
    return RunModal(this);
}

void FileWindow::FormActivate() {
    Build();
    boxes_->Refresh();
    setWindowTitle(Text(title_));
    Label1->setText(Text({"Dateien:", "Files:"}));
    Label2->setText(Text({"Verzeichnisse:", "Directories:"}));
    Label3->setText(Text({"Laufwerke:", "Drives:"}));
    CancelBtn->setText(Text({"Abbruch", "Escape"}));
}

void FileWindow::showEvent(QShowEvent* event) {
    Build();
    DialogScene::showEvent(event);
    FormShow();
}

void FileWindow::FileListBoxDblClick() { done(ModalDone); }

}  // namespace tarnwick
