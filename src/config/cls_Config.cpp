#include "config/cls_Config.h"
#include "config/ConfigDocument.h"
#include "base/AtomicFile.h"
#include "platform/Platform.h"
#include <QFile>

namespace {

const QString kAppTitle = QStringLiteral("Quenra极速版");
const QString kLogContext = QStringLiteral("cls_Config");

// The numbers the document's callers know: 91 for a missing node or attribute, the
// component's general failure for a path it cannot evaluate.
constexpr long kObjectNotSet = 91;
constexpr long kPathFailure = -2147467259;
const QString kObjectNotSetText = QStringLiteral("对象变量或 With 块变量未设置");

QString weekPath(int weekday) { return QStringLiteral("FXCalendar/Week") + QString::number(weekday); }

const QString kCurrencyPath = QStringLiteral("Settings/ZEP/currency");

} // namespace

cls_Config::cls_Config(plat::Platform& platform) : platform_(platform) {}

cls_Config::~cls_Config() = default;

bool cls_Config::Initialize() {
    if (xmlFile_.isEmpty()) return false;
    ConfigDocument::ParseError parseError;
    QFile file(xmlFile_);
    if (file.open(QIODevice::ReadOnly)) {
        doc_ = ConfigDocument::parse(file.readAll(), parseError);
    } else {
        doc_.reset();
        parseError = {file.errorString() + '\n', 0};
    }
    ok_ = doc_ != nullptr;
    error_ = !ok_;
    if (error_) {
        const QString text = parseError.reason + QString::number(parseError.line);
        log(QStringLiteral("Initialize: ") + xmlFile_ + QStringLiteral(": ") + text);
        showPlain(text, plat::mb::Critical, kAppTitle);
    }
    return ok_;
}

ConfigNode cls_Config::find(const QString& path, Failure& failure) {
    if (!doc_) {
        failure = {kObjectNotSet, kObjectNotSetText};
        return {};
    }
    QString why;
    ConfigNode node = doc_->select(path, why);
    if (!why.isEmpty()) {
        failure = {kPathFailure, QStringLiteral("路径 \"%1\" 无效: %2").arg(path, why)};
    } else if (node.isNull()) {
        failure = {kObjectNotSet, kObjectNotSetText};
    }
    return node;
}

ConfigNode cls_Config::findParent(const QString& parentPath, Failure& failure) {
    if (!parentPath.isEmpty() || !doc_) return find(parentPath, failure);
    ConfigNode app = doc_->firstElementNamed(QStringLiteral("App"));
    if (app.isNull()) failure = {kObjectNotSet, QStringLiteral("no element App")};
    return app;
}

ConfigNode cls_Config::findLogged(const QString& operation, const QString& path, bool emptyMeansApp) {
    Failure failure;
    ConfigNode node = emptyMeansApp ? findParent(path, failure) : find(path, failure);
    if (node.isNull()) log(QStringLiteral("%1: \"%2\": %3").arg(operation, path, failure.description));
    return node;
}

void cls_Config::showError(const Failure& failure) {
    const QString number = failure.number == 0 ? QStringLiteral("未知") : QString::number(failure.number);
    const QString description = failure.description.isEmpty() ? QStringLiteral("未知") : failure.description;
    showPlain(QStringLiteral("错误:#") + number + QStringLiteral(" - ") + description,
              plat::mb::Critical | plat::mb::SystemModal | plat::mb::Foreground, kAppTitle);
    platform_.screen().setBusyCursor(false);
}

void cls_Config::showPlain(const QString& text, int style, const QString& caption) {
    platform_.messageBox().show(text, style, caption);
}

void cls_Config::log(const QString& message) { platform_.log().write(kLogContext, message); }

QString cls_Config::GetNodeText(const QString& path) {
    Failure failure;
    ConfigNode node = find(path, failure);
    if (node.isNull()) {
        showError(failure);
        return {};
    }
    return node.text();
}

bool cls_Config::SetNodeText(const QString& path, const QString& text) {
    Failure failure{kObjectNotSet, kObjectNotSetText};
    if (find(path, failure).setText(text)) return true;
    showError(failure);
    return false;
}

QString cls_Config::GetNodeAttrib(const QString& path, const QString& name) {
    Failure failure{kObjectNotSet, kObjectNotSetText};
    ConfigNode node = find(path, failure);
    if (!node.hasAttribute(name)) {
        showError(failure);
        return {};
    }
    return node.attribute(name);
}

bool cls_Config::SetNodeAttrib(const QString& path, const QString& name, const QString& value) {
    Failure failure{kObjectNotSet, kObjectNotSetText};
    if (find(path, failure).setAttribute(name, value)) return true;
    showError(failure);
    return false;
}

bool cls_Config::isExist(const QString& parentPath, const QString& name) {
    return ConfigDocument::hasDescendant(findLogged(QStringLiteral("isExist"), parentPath, true), name);
}

bool cls_Config::CreateNode(const QString& parentPath, const QString& name) {
    ConfigNode parent = findLogged(QStringLiteral("CreateNode"), parentPath, true);
    if (parent.isNull()) return false;
    if (doc_->appendElement(parent, name).isNull()) {
        log(QStringLiteral("CreateNode: cannot add element \"%1\" to \"%2\"").arg(name, parentPath));
        return false;
    }
    return true;
}

bool cls_Config::isExistAttrib(const QString& path, const QString& name) {
    return findLogged(QStringLiteral("isExistAttrib"), path).hasAttribute(name);
}

bool cls_Config::CreateAttrib(const QString& path, const QString& name, const QString& value) {
    ConfigNode node = findLogged(QStringLiteral("CreateAttrib"), path);
    if (node.putAttribute(name, value)) return true;
    if (!node.isNull()) log(QStringLiteral("CreateAttrib: \"%1\" is no attribute name").arg(name));
    return false;
}

bool cls_Config::XMLSave() {
    if (xmlFile_.isEmpty()) return true;
    if (!doc_) {
        log(QStringLiteral("XMLSave: no document loaded; ") + xmlFile_ + QStringLiteral(" left as it was"));
        return false;
    }
    const QByteArray bytes = doc_->serialize();
    if (bytes.isEmpty()) {
        log(QStringLiteral("XMLSave: the document cannot be written back readably; ") + xmlFile_ +
            QStringLiteral(" left as it was"));
        return false;
    }
    QString error;
    if (atomicfile::write(xmlFile_, bytes, error)) return true;
    log(QStringLiteral("XMLSave: ") + xmlFile_ + QStringLiteral(": ") + error +
        QStringLiteral("; the old file is kept"));
    return false;
}

std::vector<ConfigNode> cls_Config::WeekList(int16_t weekday) {
    Failure failure;
    ConfigNode day = find(weekPath(weekday), failure);
    if (day.isNull()) {
        log(QStringLiteral("WeekList %1: ").arg(weekday) + failure.description);
        showPlain(QStringLiteral("WeekList Error!"), plat::mb::Critical | plat::mb::SystemModal, kAppTitle);
        return {};
    }
    return day.elements();
}

void cls_Config::AddFXCalendar(int16_t weekday, const QString& time, const QString& name, const QString& beforeValue,
                               const QString& predictValue, const QString& result, const QString& importance,
                               const QString& comment, const QString& notify) {
    Failure failure{kObjectNotSet, kObjectNotSetText};
    ConfigNode day = find(weekPath(weekday), failure);
    ConfigNode item = day.isNull() ? ConfigNode() : doc_->appendElement(day, QStringLiteral("Item"));
    if (item.isNull()) {
        log(QStringLiteral("AddFXCalendar %1: ").arg(weekday) + failure.description);
        showPlain(failure.description, plat::mb::OkOnly, QStringLiteral("FXCalendar"));
        return;
    }
    item.putAttribute(QStringLiteral("Time"), time);
    item.putAttribute(QStringLiteral("Notify"), notify);
    item.putAttribute(QStringLiteral("BeforeValue"), beforeValue);
    item.putAttribute(QStringLiteral("PredictValue"), predictValue);
    item.putAttribute(QStringLiteral("Result"), result);
    item.putAttribute(QStringLiteral("Importance"), importance);
    item.putAttribute(QStringLiteral("Comment"), comment);
    item.setText(name);
}

void cls_Config::RemoveAllFXCalendar() {
    for (int weekday = 1; weekday <= 5; ++weekday) removeWeek(weekday);
}

void cls_Config::RemoveWeekFXCalendar(int32_t weekday) { removeWeek(weekday); }

void cls_Config::removeWeek(int weekday) {
    ConfigNode day = findLogged(QStringLiteral("RemoveWeekFXCalendar"), weekPath(weekday));
    if (!day.isNull()) doc_->removeChildren(day);
}

std::vector<ConfigNode> cls_Config::currencyList() {
    Failure failure;
    ConfigNode currency = find(kCurrencyPath, failure);
    if (currency.isNull()) {
        log(QStringLiteral("currencyList: ") + failure.description);
        showPlain(QStringLiteral("currencyList Error!"), plat::mb::Critical | plat::mb::SystemModal, kAppTitle);
        return {};
    }
    return currency.elements();
}

void cls_Config::AddQuota(const QString& name, const QString& checked) {
    ConfigNode currency = findLogged(QStringLiteral("AddQuota"), kCurrencyPath);
    if (currency.isNull()) return;
    ConfigNode pair = doc_->appendElement(currency, name);
    if (pair.isNull() || !pair.putAttribute(QStringLiteral("Checked"), checked)) {
        log(QStringLiteral("AddQuota: cannot add \"%1\"").arg(name));
    }
}
