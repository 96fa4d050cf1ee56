#include "cfg/panel/dts_lexer.h"

#include <ctype.h>
#include <string.h>

namespace {

bool IsWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         strchr(",._+*#?@-", c) != nullptr;
}

const char* const kDirectives[] = {"include", "define", "undef", "if",     "ifdef", "ifndef",
                                   "else",    "elif",   "endif", "pragma", "error", "line"};

}  // namespace

bool DtsLexer::Next(Token* token, std::string* error) {
  if (!SkipSpace(error)) return false;
  token->line = line_;
  token->text.clear();
  if (at_ >= text_.size()) {
    token->kind = TokenKind::kEnd;
    return true;
  }
  char c = text_[at_];
  if (c == '"') return ReadQuoted(token, error);
  if (c == '\'') return ReadCharacter(token, error);
  if (c == '/' && ReadKeyword(token)) return true;
  if (IsWordChar(c) && c != ',') {  // a ',' on its own separates values
    token->kind = TokenKind::kWord;
    while (at_ < text_.size() && IsWordChar(text_[at_])) token->text += text_[at_++];
    return true;
  }
  if (strchr("{};=<>,&:[]()/", c) && c != '\0') {
    token->kind = TokenKind::kPunct;
    token->text = std::string(1, c);
    ++at_;
    return true;
  }
  *error = "line " + std::to_string(line_) + ": unexpected character '" + std::string(1, c) + "'";
  return false;
}

bool DtsLexer::SkipSpace(std::string* error) {
  while (at_ < text_.size()) {
    char c = text_[at_];
    if (c == '\n') {
      ++line_;
      ++at_;
      lineStart_ = true;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++at_;
    } else if (text_.compare(at_, 2, "//") == 0) {
      SkipLine();
    } else if (text_.compare(at_, 2, "/*") == 0) {
      size_t end = text_.find("*/", at_ + 2);
      if (end == std::string::npos) {
        *error = "line " + std::to_string(line_) + ": a comment is not closed";
        return false;
      }
      for (size_t i = at_; i < end; ++i) line_ += text_[i] == '\n';
      at_ = end + 2;
    } else if (c == '#' && lineStart_ && IsDirective()) {
      SkipLine();
    } else {
      lineStart_ = false;
      return true;
    }
  }
  return true;
}

// A preprocessor line, continued by a backslash at its end.
void DtsLexer::SkipLine() {
  while (at_ < text_.size() && text_[at_] != '\n') {
    if (text_[at_] == '\\' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') {
      ++line_;
      ++at_;
    }
    ++at_;
  }
}

bool DtsLexer::IsDirective() const {
  size_t word = at_ + 1;
  while (word < text_.size() && (text_[word] == ' ' || text_[word] == '\t')) ++word;
  for (const char* directive : kDirectives) {
    size_t length = strlen(directive);
    if (text_.compare(word, length, directive) == 0 &&
        (word + length >= text_.size() || !IsWordChar(text_[word + length])))
      return true;
  }
  return false;
}

bool DtsLexer::ReadQuoted(Token* token, std::string* error) {
  token->kind = TokenKind::kString;
  for (++at_; at_ < text_.size() && text_[at_] != '"' && text_[at_] != '\n'; ++at_) {
    if (text_[at_] == '\\' && at_ + 1 < text_.size()) ++at_;
    token->text += text_[at_];
  }
  if (at_ >= text_.size() || text_[at_] != '"') {
    *error = "line " + std::to_string(token->line) + ": a string is not closed";
    return false;
  }
  ++at_;
  return true;
}

// 'a' or '\n': read as a cell of unknown value.
bool DtsLexer::ReadCharacter(Token* token, std::string* error) {
  size_t end = text_.find('\'', at_ + (text_.compare(at_, 2, "'\\") == 0 ? 3 : 2));
  if (end == std::string::npos || end - at_ > 5) {
    *error = "line " + std::to_string(token->line) + ": a character is not closed";
    return false;
  }
  token->kind = TokenKind::kWord;
  token->text = "'";
  at_ = end + 1;
  return true;
}

// /dts-v1/, /include/, /delete-node/ and the other /word/ keywords.
bool DtsLexer::ReadKeyword(Token* token) {
  size_t end = at_ + 1;
  while (end < text_.size() && (isalnum(static_cast<unsigned char>(text_[end])) ||
                                text_[end] == '-' || text_[end] == '_'))
    ++end;
  if (end == at_ + 1 || end >= text_.size() || text_[end] != '/') return false;
  token->kind = TokenKind::kKeyword;
  token->text = std::string(text_.substr(at_, end + 1 - at_));
  at_ = end + 1;
  return true;
}
