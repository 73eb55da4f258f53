#pragma once

// A main window over a fresh temporary program folder whose data file has shops, so that no question is asked
// at start-up, with helpers to fill lists and read them back.

#include "list_view.h"
#include "main_window.h"
#include "scripted_prompts.h"

#include <QTemporaryDir>

#include <memory>

struct Row {
    QString name;
    QString quantity;
    bool ticked = false;
    QString key;
};

class WindowFixture {
public:
    // With program files, the folder also holds the built library and page template, as an installed
    // program's folder does.
    enum class Files { DataOnly, WithProgramFiles };
    explicit WindowFixture(Files files = Files::DataOnly);
    ~WindowFixture();

    // Starts (or restarts) the window over the folder; the previous window closes without saving.
    frmLists& start();
    frmLists& window() { return *m_window; }
    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    void fill(int list, const QList<Row>& rows);
    QList<Row> rows(int list) const;
    QStringList names(int list) const;

    ScriptedPrompts prompts;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<frmLists> m_window;
};

bool operator==(const Row& a, const Row& b);
char* toString(const Row& row);
