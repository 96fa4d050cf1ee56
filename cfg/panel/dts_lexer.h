// The words of device-tree source: names, punctuation, strings and /word/
// keywords, with comments and preprocessor lines (#include, #define ...)
// passed over and the line of each token counted.
#ifndef QLC_CFG_PANEL_DTS_LEXER_H
#define QLC_CFG_PANEL_DTS_LEXER_H

#include <stddef.h>

#include <string>
#include <string_view>

enum class TokenKind { kEnd, kWord, kPunct, kString, kKeyword };

struct Token {
  TokenKind kind = TokenKind::kEnd;
  std::string text;  // a string's text without its quotes
  int line = 1;
};

// Reads tokens from a text that outlives it; a copy goes on from where the
// original stood (a parser's look-ahead).
class DtsLexer {
 public:
  explicit DtsLexer(const std::string& text) : text_(text) {}

  // The next token; false with error set on a comment, string or character
  // that is not closed, or a character no token starts with.
  bool Next(Token* token, std::string* error);

 private:
  bool SkipSpace(std::string* error);
  void SkipLine();
  bool IsDirective() const;
  bool ReadQuoted(Token* token, std::string* error);
  bool ReadCharacter(Token* token, std::string* error);
  bool ReadKeyword(Token* token);

  std::string_view text_;
  size_t at_ = 0;
  int line_ = 1;
  bool lineStart_ = true;
};

#endif
