#include "shell/filebrowser.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QListView>
#include <QStorageInfo>
#include <QVBoxLayout>

TFileBrowser::TFileBrowser(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    drivebox = new QComboBox(this);
    drivebox->setObjectName(QStringLiteral("drivebox"));
    drivebox->addItems(places());
    drivebox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    drivebox->setMinimumContentsLength(6);
    drivebox->setCurrentIndex(m_lastDrive = 1); // home

    m_dirs = new QFileSystemModel(this);
    m_dirs->setFilter(QDir::AllDirs | QDir::NoDot);
    dirbox = new QListView(this);
    dirbox->setObjectName(QStringLiteral("dirbox"));
    dirbox->setModel(m_dirs);

    m_files = new QFileSystemModel(this);
    m_files->setFilter(QDir::Files);
    m_files->setNameFilters({QStringLiteral("*.htm*"), QStringLiteral("*.css"),
                             QStringLiteral("*.js"), QStringLiteral("*.txt")});
    m_files->setNameFilterDisables(false);
    filebox = new QListView(this);
    filebox->setObjectName(QStringLiteral("filebox"));
    filebox->setModel(m_files);
    filebox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    filebox->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 3, 2);
    layout->setSpacing(2);
    layout->addWidget(drivebox);
    layout->addWidget(dirbox, 1);
    layout->addWidget(filebox, 1);

    connect(drivebox, &QComboBox::activated, this, &TFileBrowser::driveboxChange);
    connect(dirbox, &QListView::activated, this, &TFileBrowser::enterDirectory);
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

QString TFileBrowser::currentDirectory() const
{
    return m_files->rootPath();
}

void TFileBrowser::setCurrentDirectory(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    dirbox->setRootIndex(m_dirs->setRootPath(clean));
    filebox->setRootIndex(m_files->setRootPath(clean));
}

QStringList TFileBrowser::selectedFiles() const
{
    QStringList paths;
    QModelIndexList rows = filebox->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    for (const QModelIndex &row : rows)
        paths << m_files->filePath(row);
    return paths;
}

void TFileBrowser::driveboxChange(int index)
{
    const QString root = drivebox->itemText(index);
    if (QFileInfo(root).isDir() && QFileInfo(root).isReadable()) {
        m_lastDrive = index;
        setCurrentDirectory(root);
        return;
    }
    drivebox->setCurrentIndex(m_lastDrive);
    Q_EMIT driveError();
}

void TFileBrowser::enterDirectory(const QModelIndex &index)
{
    setCurrentDirectory(m_dirs->filePath(index));
}

bool TFileBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == filebox && event->type() == QEvent::KeyRelease) {
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
