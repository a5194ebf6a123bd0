#include "auswertung/views/processor_label.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

#include "auswertung/read/text_decoding.h"

namespace zaveredo::auswertung {
namespace {

bool SameLetters(const std::string& a, const char* b) {
  const std::string other(b);
  return a.size() == other.size() &&
         std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool EndsWithLetters(const std::string& text, const char* end) {
  const std::string tail(end);
  return text.size() > tail.size() && SameLetters(text.substr(text.size() - tail.size()), end);
}

std::string WithoutMarks(std::string name) {
  for (const char* mark : {"(R)", "(TM)"}) {
    const std::string m(mark);
    for (std::size_t at = 0; at + m.size() <= name.size();) {
      if (SameLetters(name.substr(at, m.size()), mark)) {
        name.erase(at, m.size());
      } else {
        ++at;
      }
    }
  }
  return name;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string Joined(const std::vector<std::string>& words, std::size_t from = 0) {
  std::string text;
  for (std::size_t i = from; i < words.size(); ++i) text += (text.empty() ? "" : " ") + words[i];
  return text;
}

bool IsCoreCount(const std::string& word) {
  return EndsWithLetters(word, "-Core") || EndsWithLetters(word, "-Cores");
}

bool IsCountWord(const std::string& word) {
  for (const char* count : {"Dual", "Triple", "Quad", "Six", "Eight"}) {
    if (SameLetters(word, count)) return true;
  }
  return false;
}

bool IsOrdinal(const std::string& word) {
  return word.size() > 2 && std::isdigit(static_cast<unsigned char>(word[0])) &&
         (EndsWithLetters(word, "st") || EndsWithLetters(word, "nd") ||
          EndsWithLetters(word, "rd") || EndsWithLetters(word, "th"));
}

// The last `count` characters of a UTF-8 text.
std::string LastCharacters(const std::string& text, std::size_t count) {
  std::size_t at = text.size();
  for (std::size_t seen = 0; at > 0 && seen < count;) {
    --at;
    if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) ++seen;
  }
  return text.substr(at);
}

}  // namespace

std::string ProcessorLabel(const std::string& name) {
  const std::vector<std::string> words = Words(WithoutMarks(name.substr(0, name.rfind('/'))));
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    const bool next = i + 1 < words.size();
    if (SameLetters(word, "CPU") || SameLetters(word, "Processor") || IsCoreCount(word)) continue;
    if (word == "@") {
      ++i;  // and the clock behind it
      continue;
    }
    if (word[0] == '@') continue;
    if (next && IsCountWord(word) && SameLetters(words[i + 1], "Core")) {
      ++i;
      continue;
    }
    if (next && IsOrdinal(word) && SameLetters(words[i + 1], "Gen")) {
      ++i;
      continue;
    }
    kept.push_back(word);
  }
  return Joined(kept);
}

std::string FittedProcessorLabel(const std::string& label, std::size_t width) {
  if (CharacterCount(label) <= width) return label;
  const std::vector<std::string> words = Words(label);
  if (words.size() > 1 && CharacterCount(Joined(words, 1)) <= width) return Joined(words, 1);
  for (std::size_t from = 2; from < words.size(); ++from) {
    const std::string rest = "…" + Joined(words, from);
    if (CharacterCount(rest) <= width) return rest;
  }
  if (width == 0) return "";
  return "…" + LastCharacters(words.empty() ? label : words.back(), width - 1);
}

}  // namespace zaveredo::auswertung
