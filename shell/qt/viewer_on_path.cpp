// The configuration store on a system without a registry. The one thing the
// program asks of it, the viewer's full path, is the first system
// information viewer installed on the PATH; every other lookup fails.

#include <QStandardPaths>
#include <QStringList>

#include "shell/system_info.h"

namespace crucirco {

namespace {

class ViewerOnPath final : public ConfigStore
{
public:
    std::optional<StoredValue> read(KeyRoot root, std::u16string_view key, std::u16string_view name) override
    {
        if (root != kLocalMachine || key != kViewerKey || name != kViewerValue)
            return std::nullopt;
        for (const QString& viewer : {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"),
                                      QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor")}) {
            const QString path = QStandardPaths::findExecutable(viewer);
            // Stored as the registry stores a path: with its terminating zero.
            if (!path.isEmpty())
                return StoredValue{kStringValue, path.toStdU16String() + u'\0'};
        }
        return std::nullopt;
    }
};

} // namespace

std::unique_ptr<ConfigStore> makeSystemStore()
{
    return std::make_unique<ViewerOnPath>();
}

} // namespace crucirco
