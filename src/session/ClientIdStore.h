#pragma once
#include <QString>
#include <cstdint>

struct AppContext;

namespace push {

// The client id that the identity server assigned to this installation, kept in two places:
// the top-level "ZEPID" node of the configuration document, which wins, and "ZEP_ID.txt" in
// the per-machine data directory (the user's data folder for a system-wide installation).
// Both the identity report and the login request send it.
class ClientIdStore {
public:
    explicit ClientIdStore(AppContext& ctx) : ctx_(ctx) {}

    // 0 when none is known; a stored value below 1 counts as none.
    int32_t read() const;
    // Sets the node (creating it when missing; the document is saved later by whoever saves
    // it) and replaces the file.
    void store(int32_t id);

    QString filePath() const;

private:
    // The leading number of a stored text, spaces around it allowed; 0 when below 1.
    static int32_t idFrom(const QString& text);
    void log(const QString& message) const;

    AppContext& ctx_;
};

} // namespace push
