// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "local_settings.h"

#include "comparison.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>
#include <QStandardPaths>
#include <QTreeView>

namespace {

QString& chosenFile() {
    static QString file;
    return file;
}

const QString GeometryKey = QStringLiteral("Window/Geometry");
const QString AddToBottomKey = QStringLiteral("Lists/AddToBottom");
const QString CsvFolderKey = QStringLiteral("Csv/Folder");
const QString ColumnWidthsGroup = QStringLiteral("ComparisonColumnWidths");

// A width is kept by the comparison's column (its shop), not by where the column stands, which changes as shops
// come into view or leave it.
QString columnWidthKey(const QTreeView* table, int column) {
    const auto* model = qobject_cast<const ComparisonModel*>(table->model());
    const int kept = model && column < model->columnCount() ? model->comparisonColumn(column) : column;
    return ColumnWidthsGroup + QLatin1Char('/') + QString::number(kept);
}

} // namespace

QString LocalSettings::userFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Pantrova/Pantrova.conf");
}

void LocalSettings::setFile(const QString& path) {
    chosenFile() = path;
}

LocalSettings::LocalSettings() {
    if (!chosenFile().isEmpty())
        m_settings = std::make_unique<QSettings>(chosenFile(), QSettings::IniFormat);
}

LocalSettings::~LocalSettings() = default;

void LocalSettings::restoreWindow(QWidget* window) const {
    // restoreGeometry also brings a window whose place is off every screen (a screen unplugged, a smaller
    // resolution) back onto one, and keeps it maximised or full screen.
    if (m_settings)
        window->restoreGeometry(m_settings->value(GeometryKey).toByteArray());
}

void LocalSettings::saveWindow(const QWidget* window) {
    if (m_settings)
        m_settings->setValue(GeometryKey, window->saveGeometry());
}

bool LocalSettings::addToBottom() const {
    return m_settings && m_settings->value(AddToBottomKey, false).toBool();
}

void LocalSettings::setAddToBottom(bool addToBottom) {
    if (m_settings)
        m_settings->setValue(AddToBottomKey, addToBottom);
}

QString LocalSettings::csvFolder(const QString& fallback) const {
    const QString folder = m_settings ? m_settings->value(CsvFolderKey).toString() : QString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return fallback;
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void LocalSettings::setCsvFolder(const QString& file) {
    if (m_settings)
        m_settings->setValue(CsvFolderKey, QFileInfo(file).absolutePath());
}

void LocalSettings::watchColumnWidths(QTreeView* table) {
    QHeaderView* header = table->header();
    // The header's mouse events tell a user's drag from the widths the program sets at every comparison.
    m_headerViewport = header->viewport();
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this, [this, table](int column, int, int width) {
        if (!m_settings || !m_dragging)
            return;
        const QString key = columnWidthKey(table, column);
        if (m_fitting)
            m_settings->remove(key);
        else
            m_settings->setValue(key, width);
    });
}

void LocalSettings::applyColumnWidths(QTreeView* table) const {
    if (!m_settings || !table->model())
        return;
    for (int column = 0; column < table->model()->columnCount(); ++column)
        if (const int width = m_settings->value(columnWidthKey(table, column)).toInt(); width > 0)
            table->setColumnWidth(column, width);
}

bool LocalSettings::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_headerViewport) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_dragging = true;
            break;
        case QEvent::MouseButtonDblClick:
            m_dragging = m_fitting = true;
            break;
        case QEvent::MouseButtonRelease:
            m_dragging = m_fitting = false;
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
