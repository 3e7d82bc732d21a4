#include "editor_texts.h"

#include <algorithm>

#include "unicode_text.h"

namespace tlxsnippet {

namespace {

std::u16string Count(long count) { return utf::Utf16FromUtf8(std::to_string(count)); }

}  // namespace

std::u16string DeletePhraseQuestion(const Phrase &phrase) { return u"「" + phrase.name + u"」を削除しますか？"; }

std::u16string DeleteFolderQuestion(const PhraseBook &book, const std::u16string &folder) {
    const auto &phrases = book.Phrases();
    const long count = std::count_if(phrases.begin(), phrases.end(), [&](const Phrase &p) { return p.folder == folder; });
    if (count == 0) return u"フォルダ「" + folder + u"」を削除しますか？";
    return u"フォルダ「" + folder + u"」と、その中の定型文 " + Count(count) + u" 件を削除しますか？";
}

std::u16string ImportReport(const ImportResult &result) {
    if (!result.read) return u"このファイルは UTF-8 のテキストではないため、読み込めませんでした。";
    if (result.added == 0) return u"ファイルに定型文がありませんでした。";
    std::u16string report = u"定型文を " + Count(result.added) + u" 件追加しました。";
    if (result.renamed > 0)
        report += u"\r\nそのうち " + Count(result.renamed) +
                  u" 件は、同じ名前の定型文が既にあったため、名前に番号を付けて追加しました。";
    return report;
}

std::u16string BackupLabel(const PhraseBackup &backup) {
    const std::u16string &s = backup.stamp;
    return s.substr(0, 4) + u"/" + s.substr(4, 2) + u"/" + s.substr(6, 2) + u" " + s.substr(9, 2) + u":" + s.substr(11, 2) +
           u":" + s.substr(13, 2) + u"　" + backup.computer;
}

std::u16string PutBackSummary(const PhraseBook &backup, const PutBackCounts &counts) {
    std::u16string summary = u"このバックアップの定型文は " + Count(static_cast<long>(backup.Phrases().size())) + u" 件です。";
    if (counts.returned == 0 && counts.reverted == 0) return summary + u"今の定型文と同じです。";
    summary += u"戻すと、";
    if (counts.returned) summary += u"その後に削除された " + Count(counts.returned) + u" 件が戻り";
    if (counts.returned && counts.reverted) summary += u"、";
    if (counts.reverted) summary += u"その後に変更された " + Count(counts.reverted) + u" 件が元の内容に戻り";
    return summary + u"ます。ほかの定型文はそのまま残ります。";
}

}  // namespace tlxsnippet
