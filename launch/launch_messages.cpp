#include "launch/launch_messages.h"

#include <algorithm>

#include "core/ansi_text.h"
#include "ui/handles.h"
#include "ui/message_box.h"

namespace qvn {
namespace {

constexpr wchar_t kSlotNotStartedLead[] = L"No.%d のソフトウェアを起動できませんでした.";
constexpr wchar_t kRunNotStartedLead[] = L"連続起動で,次のソフトウェアを起動できませんでした.";
constexpr wchar_t kSlotLabel[] = L"No.%d: ";
constexpr wchar_t kErrorNumber[] = L"(エラー %lu)";
constexpr wchar_t kCheckPathAdvice[] =
    L"ソフトウェアが移動または削除されていないか,"
    L"「ユーザー設定」の「連続起動データの設定」でパスを確認してください.";

std::wstring Formatted(const wchar_t* format, unsigned long value) {
  wchar_t text[128] = {};
  wsprintfW(text, format, value);
  return text;
}

// The system's own sentence for an error, in the user's language, with its
// number. Documented in 'FormatMessage function' (learn.microsoft.com): a
// language of 0 looks for the thread's, then the user's, then the system's
// language, then US English.
std::wstring SystemReason(std::uint32_t error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  const ui::UniqueLocalMemory owned(buffer);
  std::wstring reason(buffer != nullptr ? buffer : L"", length);
  while (!reason.empty() &&
         std::wstring_view(L" \r\n").find(reason.back()) != std::wstring_view::npos) {
    reason.pop_back();
  }
  if (!reason.empty()) reason += L' ';
  return reason + Formatted(kErrorNumber, error);
}

}  // namespace

std::wstring LaunchMessageText(LaunchMessage message) {
  switch (message) {
    case LaunchMessage::kNoEntries:
      // The third line begins with two blanks, under the text of the second.
      return L"ソフトウェアが登録されていません.\r\n"
             L"・ポップアップメニューから 設定(A) を選択し,\r\n"
             L"  起動したいソフトウェアを登録してください.";
    case LaunchMessage::kRunAgain:
      return L"連続起動を既に1回以上実行しました.\r\n"
             L"ソフトウェアの二重起動にご注意ください！\r\n"
             L"実行しますか?";
    case LaunchMessage::kResourceStop:
      return L"リソース残量が設定値より少なくなりました.\r\n"
             L"連続起動を途中で中止しました.\r\n"
             L"[対策1] * 常駐ソフトの数を少なくする\r\n"
             L"[対策2] * 連続起動制限の設定を見直す,など\r\n"
             L"\r\n"
             L"なお,ソフトウェアの個別起動は可能です.";
  }
  return {};
}

void ShowLaunchMessage(HWND owner, LaunchMessage message) {
  ui::ShowMessage(owner, LaunchMessageText(message));
}

LaunchAnswer ConfirmLaunch(HWND owner, LaunchMessage question) {
  switch (ui::Confirm(owner, LaunchMessageText(question))) {
    case ui::Answer::Yes:
      return LaunchAnswer::kYes;
    case ui::Answer::No:
      return LaunchAnswer::kNo;
    case ui::Answer::Cancel:
      return LaunchAnswer::kCancel;
  }
  return LaunchAnswer::kCancel;
}

std::wstring StartFailureText(const std::vector<StartFailure>& failures, bool consecutiveLaunch) {
  if (failures.empty()) return {};
  std::vector<std::wstring> lines;
  if (consecutiveLaunch) {
    lines = {kRunNotStartedLead, L""};
    for (const StartFailure& failure : failures) {
      lines.push_back(Formatted(kSlotLabel, failure.slot + 1) + FromAnsi(failure.path));
      lines.push_back(L"    " + SystemReason(failure.error));
    }
  } else {
    const StartFailure& failure = failures.front();
    lines = {Formatted(kSlotNotStartedLead, failure.slot + 1), FromAnsi(failure.path),
             SystemReason(failure.error)};
  }
  const bool pathMissing = std::any_of(failures.begin(), failures.end(), [](const auto& failure) {
    return IsMissingPathError(failure.error);
  });
  if (pathMissing && consecutiveLaunch) lines.push_back(L"");
  if (pathMissing) lines.push_back(kCheckPathAdvice);

  std::wstring text = lines.front();
  for (std::size_t i = 1; i < lines.size(); ++i) text += L"\r\n" + lines[i];
  return text;
}

void ShowStartFailures(HWND owner, const std::vector<StartFailure>& failures,
                       bool consecutiveLaunch) {
  if (failures.empty()) return;
  ui::ShowError(owner, StartFailureText(failures, consecutiveLaunch));
}

}  // namespace qvn
