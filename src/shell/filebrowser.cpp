#include "shell/filebrowser.h"

#include "ui/named.h"

#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int FolderIndent = 8;

bool isInside(const QString &path, const QString &place)
{
    return path == place || path.startsWith(place.endsWith(QLatin1Char('/')) ? place : place + QLatin1Char('/'));
}

// The folders from the root down to `path`, each with its full path.
QList<QPair<QString, QString>> folderChain(const QString &path)
{
    QList<QPair<QString, QString>> chain{{QStringLiteral("/"), QStringLiteral("/")}};
    QString sofar;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        sofar += QLatin1Char('/') + part;
        chain.append({part, sofar});
    }
    return chain;
}

} // namespace

TFileBrowser::TFileBrowser(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    placeBox = named<QComboBox>("drivebox", this);
    placeBox->addItems(places());
    placeBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    placeBox->setMinimumContentsLength(6);

    folderTree = named<QTreeWidget>("dirbox", this);
    folderTree->setHeaderHidden(true);
    folderTree->setRootIsDecorated(false);
    folderTree->setIndentation(FolderIndent);
    folderTree->setItemsExpandable(false);
    folderTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    folderTree->header()->setStretchLastSection(false);

    fileList = named<QListWidget>("filebox", this);
    fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fileList->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 3, 2);
    layout->setSpacing(2);
    layout->addWidget(placeBox);
    layout->addWidget(folderTree, 1);
    layout->addWidget(fileList, 1);

    connect(placeBox, &QComboBox::activated, this, &TFileBrowser::choosePlace);
    connect(folderTree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { setCurrentDirectory(item->data(0, PathRole).toString()); });
    connect(fileList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { Q_EMIT openRequested({item->data(PathRole).toString()}); });
    // Files saved or deleted elsewhere show up without a visit.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        fillFolders();
        fillFiles();
    });
    setCurrentDirectory(QDir::homePath());
}

QSize TFileBrowser::sizeHint() const
{
    return QSize(125, QWidget::sizeHint().height());
}

QSize TFileBrowser::minimumSizeHint() const
{
    return QSize(60, QWidget::minimumSizeHint().height());
}

QStringList TFileBrowser::places()
{
    QStringList result{QStringLiteral("/"), QDir::homePath()};
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        const QString root = volume.rootPath();
        const bool system = root.startsWith(QLatin1String("/proc")) || root.startsWith(QLatin1String("/sys"))
                            || root.startsWith(QLatin1String("/dev")) || root.startsWith(QLatin1String("/run"))
                            || root.startsWith(QLatin1String("/snap"))
                            || root.startsWith(QLatin1String("/boot"));
        if (volume.isValid() && volume.isReady() && !system && !result.contains(root))
            result << root;
    }
    return result;
}

void TFileBrowser::setCurrentDirectory(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    if (!m_current.isEmpty())
        m_watcher.removePath(m_current);
    m_current = clean;
    m_watcher.addPath(m_current);
    showPlace();
    fillFolders();
    fillFiles();
}

void TFileBrowser::showPlace()
{
    // The place that holds the current folder most closely.
    int best = -1;
    for (int i = 0; i < placeBox->count(); ++i) {
        const QString place = placeBox->itemText(i);
        if (isInside(m_current, place) && (best < 0 || place.size() > placeBox->itemText(best).size()))
            best = i;
    }
    if (best >= 0)
        placeBox->setCurrentIndex(m_lastDrive = best);
    placeBox->setToolTip(m_current);
}

void TFileBrowser::fillFolders()
{
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    folderTree->clear();
    QTreeWidgetItem *parent = nullptr;
    for (const auto &[name, path] : folderChain(m_current)) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(folderTree);
        item->setText(0, name);
        item->setIcon(0, open);
        item->setData(0, PathRole, path);
        item->setToolTip(0, path);
        parent = item;
    }
    QFont bold = parent->font(0);
    bold.setBold(true);
    parent->setFont(0, bold);
    const QDir here(m_current);
    const QStringList folders = here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : folders) {
        auto *item = new QTreeWidgetItem(parent);
        item->setText(0, name);
        item->setIcon(0, closed);
        item->setData(0, PathRole, here.filePath(name));
    }
    folderTree->expandAll();
    folderTree->setCurrentItem(parent);
    folderTree->scrollToItem(parent, QAbstractItemView::PositionAtTop);
}

void TFileBrowser::fillFiles()
{
    QStringList selected;
    for (const QListWidgetItem *item : fileList->selectedItems())
        selected << item->text();
    fileList->clear();
    const QDir here(m_current);
    const QFileInfoList files =
        here.entryInfoList({QStringLiteral("*.htm*"), QStringLiteral("*.css"), QStringLiteral("*.js"),
                            QStringLiteral("*.txt")},
                           QDir::Files, QDir::Name | QDir::IgnoreCase);
    QFileIconProvider icons;
    for (const QFileInfo &file : files) {
        auto *item = new QListWidgetItem(icons.icon(file), file.fileName(), fileList);
        item->setData(PathRole, file.absoluteFilePath());
        item->setSelected(selected.contains(file.fileName()));
    }
}

QStringList TFileBrowser::selectedFiles() const
{
    QStringList paths;
    for (int row = 0; row < fileList->count(); ++row) {
        if (fileList->item(row)->isSelected())
            paths << fileList->item(row)->data(PathRole).toString();
    }
    return paths;
}

void TFileBrowser::choosePlace(int index)
{
    const QString root = placeBox->itemText(index);
    if (QFileInfo(root).isDir() && QFileInfo(root).isReadable()) {
        setCurrentDirectory(root);
        return;
    }
    placeBox->setCurrentIndex(m_lastDrive);
    Q_EMIT driveError();
}

bool TFileBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == fileList && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QStringList paths = selectedFiles();
            if (!paths.isEmpty())
                Q_EMIT openRequested(paths);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
