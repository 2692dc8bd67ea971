#pragma once
#include "platform/res/PageResource.h"
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// The pages, style sheet and images stored in the executable, found by name without regard
// to case, as the pages' relative references and the "res" addresses name them.
class ResourceStore {
public:
    ResourceStore();

    // reference: a name ("logo.png"), a relative or root-relative path ("./logo.png",
    // "/logo.png") or a whole address ending in the name; only the part after the last
    // slash or backslash counts, without query or fragment.
    std::optional<PageResource> find(const QString& reference) const;
    // The stored names, sorted.
    QStringList names() const;

    static QString resourceName(const QString& reference);
    // The application icon in its sizes, smallest first, as Qt resource paths.
    static QStringList applicationIconFiles();

private:
    QHash<QString, QString> paths_; // lower-case name -> resource path
};
