#include "launch/launch_messages.h"

#include "ui/message_box.h"

namespace qvn {

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

}  // namespace qvn
