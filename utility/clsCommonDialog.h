#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The open-file and save-file dialogs. Filter holds pairs of description and pattern, every item
// followed by "|", as "Backup Files (*.sav)|*.sav|"; patterns of one pair are separated by ";".
// An empty title or starting folder means the dialog's own choice.
class clsCommonDialog {
public:
    enum Flag : unsigned {
        HideReadOnly = 0x4,
        NoChangeDir = 0x8,
        FileMustExist = 0x1000,
        Explorer = 0x80000,
        LongNames = 0x200000,
        EnableSizing = 0x800000,
    };
    static constexpr unsigned DefaultFlags =
        HideReadOnly | NoChangeDir | FileMustExist | Explorer | LongNames | EnableSizing;
    static const QString DefaultFilter;

    const QString& Filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = filter; }
    const QString& Title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    const QString& InitialDir() const { return m_initialDir; }
    void setInitialDir(const QString& folder) { m_initialDir = folder; }
    unsigned Flags() const { return m_flags; }
    void setFlags(unsigned flags) { m_flags = flags; }
    bool NoPlacesBar() const { return m_noPlacesBar; }
    void setNoPlacesBar(bool hidden) { m_noPlacesBar = hidden; }

    // The chosen path, or an empty text when the user cancels.
    QString ShowOpen(QWidget* owner) const;
    QString ShowSave(QWidget* owner) const;

    // Filter in the form the file dialog takes: "Backup Files (*.sav)", "All Files (*)". The
    // Windows pattern "*.*" stands for every file, with or without a dot in its name.
    QStringList nameFilters() const;

private:
    QString show(QWidget* owner, bool saving) const;

    QString m_filter = DefaultFilter;
    QString m_title;
    QString m_initialDir;
    unsigned m_flags = DefaultFlags;
    bool m_noPlacesBar = false;
};
