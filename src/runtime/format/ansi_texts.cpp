#include "runtime/format/ansi_texts.h"

#include "platform/codepage.h"

namespace zaveredo {

void AnsiTexts::Load() {
  if (loaded_) return;
  std::vector<std::string> texts;  // a failure half way leaves the table unloaded, not short
  texts.reserve(utf8_.size());
  for (const char* text : utf8_) texts.push_back(platform::Utf8ToAnsi(text));
  texts_ = std::move(texts);
  loaded_ = true;
}

}  // namespace zaveredo
