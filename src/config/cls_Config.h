#pragma once
#include "config/ConfigNode.h"
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace plat {
class Platform;
}
class ConfigDocument;

// The configuration document ZEP.xml: every setting and cached item of the program, loaded
// once, read and changed in memory, written back only by XMLSave. Paths are child paths
// below the root element ("Settings/ZEP/Popup"); the first node a path selects is taken.
//
// Reads and writes of single values report a failure in the error box and answer empty
// text or false; the existence tests and creations fail silently (into the log).
class cls_Config {
public:
    explicit cls_Config(plat::Platform& platform);
    ~cls_Config();
    cls_Config(const cls_Config&) = delete;
    cls_Config& operator=(const cls_Config&) = delete;

    QString XmlFile() const { return xmlFile_; }
    void setXmlFile(const QString& path) { xmlFile_ = path; }

    // Loads XmlFile. A file that is not well-formed shows the parser's reason followed by
    // the line number and answers false.
    bool Initialize();
    bool OK() const { return ok_; }
    bool Error() const { return error_; }

    QString GetNodeText(const QString& path);
    bool SetNodeText(const QString& path, const QString& text);
    QString GetNodeAttrib(const QString& path, const QString& name);
    // Changes an existing attribute; never adds one.
    bool SetNodeAttrib(const QString& path, const QString& name, const QString& value);
    // An element of that name anywhere below the parent. An empty parent path means the
    // first element "App" (the root).
    bool isExist(const QString& parentPath, const QString& name);
    // Appends an empty element as the parent's last child, also when one exists already.
    bool CreateNode(const QString& parentPath, const QString& name);
    bool isExistAttrib(const QString& path, const QString& name);
    // Adds the attribute, or changes its value when it exists.
    bool CreateAttrib(const QString& path, const QString& name, const QString& value);

    // Writes the document to XmlFile in the encoding its declaration names. The new content
    // goes to a temporary file beside it, flushed to disk, then renamed over the old file:
    // a failure at any point (disk full, no permission, a process killed mid-write) leaves
    // the old file whole. Answers false when nothing was written because of a failure: no
    // document loaded, a document that could not be written back readably, or a file
    // error (each written to the log). With XmlFile empty there is nothing to write and
    // the answer is true.
    bool XMLSave();

    // Calendar store: the items of "FXCalendar/Week<weekday>" in document order. Changing
    // an item through its node changes the document. A missing day shows
    // "WeekList Error!" and gives no items.
    std::vector<ConfigNode> WeekList(int16_t weekday);
    // Appends an Item with the attributes Time, Notify, BeforeValue, PredictValue, Result,
    // Importance, Comment in this order and the name as its text. A failure is shown in a
    // box titled "FXCalendar".
    void AddFXCalendar(int16_t weekday, const QString& time, const QString& name, const QString& beforeValue,
                       const QString& predictValue, const QString& result, const QString& importance,
                       const QString& comment, const QString& notify);
    // Empties Week1 to Week5 (their attributes stay); failures are stepped over.
    void RemoveAllFXCalendar();
    void RemoveWeekFXCalendar(int32_t weekday);

    // Quote center pairs: the child elements of "Settings/ZEP/currency" in document order;
    // a missing currency node shows "currencyList Error!" and gives none.
    std::vector<ConfigNode> currencyList();
    // Appends the pair with its Checked attribute; failures (a symbol that is not a valid
    // element name) are stepped over.
    void AddQuota(const QString& name, const QString& checked);

private:
    struct Failure {
        long number = 0;
        QString description;
    };

    ConfigNode find(const QString& path, Failure& failure);
    ConfigNode findParent(const QString& parentPath, Failure& failure);
    // The node, or null after writing why to the log (for the operations that fail silently).
    ConfigNode findLogged(const QString& operation, const QString& path, bool emptyMeansApp = false);
    void showError(const Failure& failure);
    void showPlain(const QString& text, int style, const QString& caption);
    void log(const QString& message);
    void removeWeek(int weekday);

    plat::Platform& platform_;
    QString xmlFile_;
    std::shared_ptr<ConfigDocument> doc_;
    bool ok_ = false;
    bool error_ = false;
};
