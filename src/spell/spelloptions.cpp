#include "spell/spelloptions.h"

#include <QSettings>

namespace {

// The stored name of every option, in one place for loading and saving.
template <typename Visit>
void forEachOption(SpellOptions &options, Visit visit)
{
    visit("IgnoreUpperCase", options.ignoreUpperCase);
    visit("IgnoreWithNumbers", options.ignoreWithNumbers);
    visit("IgnoreTags", options.ignoreTags);
    visit("IgnoreAddresses", options.ignoreAddresses);
    visit("IgnoreQuotedLines", options.ignoreQuotedLines);
    visit("SuggestAutomatically", options.suggestAutomatically);
    visit("SuggestMainOnly", options.suggestMainOnly);
    visit("RecheckReplaced", options.recheckReplaced);
    visit("ReportRepeated", options.reportRepeated);
    visit("ReportTwoCapitals", options.reportTwoCapitals);
}

const QString Group = QStringLiteral("Options");

} // namespace

bool SpellOptions::operator==(const SpellOptions &other) const
{
    return ignoreUpperCase == other.ignoreUpperCase && ignoreWithNumbers == other.ignoreWithNumbers
           && ignoreTags == other.ignoreTags && ignoreAddresses == other.ignoreAddresses
           && ignoreQuotedLines == other.ignoreQuotedLines
           && suggestAutomatically == other.suggestAutomatically
           && suggestMainOnly == other.suggestMainOnly && recheckReplaced == other.recheckReplaced
           && reportRepeated == other.reportRepeated && reportTwoCapitals == other.reportTwoCapitals;
}

SpellOptions SpellOptions::load(const QString &path)
{
    SpellOptions options;
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(Group);
    forEachOption(options, [&file](const char *name, bool &value) {
        value = file.value(QLatin1String(name), value).toBool();
    });
    return options;
}

bool SpellOptions::save(const QString &path) const
{
    SpellOptions copy = *this;
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(Group);
    forEachOption(copy, [&file](const char *name, bool &value) {
        file.setValue(QLatin1String(name), value);
    });
    file.endGroup();
    file.sync();
    return file.status() == QSettings::NoError;
}
