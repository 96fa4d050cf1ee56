// Device-tree source: enough of the language to find a panel's timing in a
// real board file. Comments, preprocessor lines (#include, #define ...),
// labels, references, strings, byte strings, /bits/ and the like are
// understood and skipped; cells are decimal, hexadecimal or octal numbers,
// and a cell the reader cannot evaluate (a macro, an expression) only matters
// when a timing property holds it.
#include <string.h>

#include <vector>

#include "cfg/panel/dts_lexer.h"
#include "cfg/panel/timing_source.h"

namespace {

struct Cell {
  bool known = false;
  uint64_t value = 0;
  std::string reference;  // &label
};

struct Property {
  std::string name;
  std::vector<Cell> cells;
  bool onlyCells = true;  // no strings or byte strings besides the cells
};

struct Node {
  std::string name;
  std::vector<std::string> labels;
  std::vector<Property> properties;
  std::vector<Node> children;
};

enum { kMaxNesting = 64 };

// Decimal, 0x hexadecimal or 0 octal, with C's U and L suffixes.
bool ParseNumber(const std::string& word, uint64_t* value) {
  size_t end = word.size();
  while (end > 0 && strchr("uUlL", word[end - 1])) --end;
  if (end == 0) return false;
  unsigned base = 10;
  size_t at = 0;
  if (end > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    base = 16;
    at = 2;
  } else if (end > 1 && word[0] == '0') {
    base = 8;
    at = 1;
  }
  uint64_t number = 0;
  for (; at < end; ++at) {
    char c = word[at];
    unsigned digit = c >= '0' && c <= '9'   ? static_cast<unsigned>(c - '0')
                     : c >= 'a' && c <= 'f' ? static_cast<unsigned>(c - 'a' + 10)
                     : c >= 'A' && c <= 'F' ? static_cast<unsigned>(c - 'A' + 10)
                                            : 99;
    if (digit >= base || number > (UINT64_MAX - digit) / base) return false;
    number = number * base + digit;
  }
  *value = number;
  return true;
}

class Parser {
 public:
  explicit Parser(const std::string& text) : lexer_(text) {}

  bool ParseFile(std::vector<Node>* roots, std::string* error) {
    error_ = error;
    if (!Advance()) return false;
    while (token_.kind != TokenKind::kEnd) {
      if (!ParseTopLevel(roots)) return false;
    }
    return true;
  }

 private:
  bool Advance() { return lexer_.Next(&token_, error_); }
  bool Is(const char* punct) const {
    return token_.kind == TokenKind::kPunct && token_.text == punct;
  }
  bool Fail(const std::string& what) {
    std::string found =
        token_.kind == TokenKind::kEnd ? "the end of the file" : "'" + token_.text + "'";
    *error_ = "line " + std::to_string(token_.line) + ": " + what + ", found " + found;
    return false;
  }
  bool Expect(const char* punct) {
    if (!Is(punct)) return Fail(std::string("expected '") + punct + "'");
    return Advance();
  }
  // Skips to and over the next ';' (statements the reader has no use for).
  bool SkipStatement() {
    while (!Is(";")) {
      if (token_.kind == TokenKind::kEnd) return Fail("expected ';'");
      if (!Advance()) return false;
    }
    return Advance();
  }
  // Skips a balanced group opened by the current token (open) up to close.
  bool SkipGroup(const char* open, const char* close) {
    int depth = 0;
    do {
      if (token_.kind == TokenKind::kEnd) return Fail(std::string("expected '") + close + "'");
      if (Is(open)) ++depth;
      if (Is(close)) --depth;
      if (!Advance()) return false;
    } while (depth > 0);
    return true;
  }

  bool ParseTopLevel(std::vector<Node>* roots) {
    if (token_.kind == TokenKind::kKeyword) {
      if (token_.text == "/include/") return Advance() && Advance();  // and its file name
      if (token_.text == "/omit-if-no-ref/") return Advance();
      return SkipStatement();  // /dts-v1/; /plugin/; /memreserve/ ...; /delete-node/ ...;
    }
    Node node;
    if (Is("&")) {  // &label { ... }; or &{/path} { ... };
      if (!Advance()) return false;
      if (Is("{")) {
        if (!SkipGroup("{", "}")) return false;
      } else {
        if (token_.kind != TokenKind::kWord) return Fail("expected a label after '&'");
        node.name = "&" + token_.text;
        if (!Advance()) return false;
      }
      if (!ParseBody(&node, 1)) return false;
      roots->push_back(std::move(node));
      return true;
    }
    if (!ParseLabels(&node)) return false;
    if (Is("/")) {
      node.name = "/";
      if (!Advance()) return false;
    } else if (token_.kind == TokenKind::kWord) {
      // A node on its own, as a snippet meant for a tree holds it.
      node.name = token_.text;
      if (!Advance()) return false;
    } else {
      return Fail("expected a node");
    }
    if (!ParseBody(&node, 1)) return false;
    roots->push_back(std::move(node));
    return true;
  }

  // label: label2: ...
  bool ParseLabels(Node* node) {
    while (token_.kind == TokenKind::kWord) {
      Token word = token_;
      DtsLexer saved = lexer_;
      if (!Advance()) return false;
      if (!Is(":")) {
        lexer_ = saved;
        token_ = word;
        return true;
      }
      if (node) node->labels.push_back(word.text);
      if (!Advance()) return false;
    }
    return true;
  }

  // { properties and nodes };
  bool ParseBody(Node* node, int depth) {
    if (depth > kMaxNesting) return Fail("nodes nested deeper than 64");
    if (!Expect("{")) return false;
    while (!Is("}")) {
      if (token_.kind == TokenKind::kEnd) return Fail("expected '}'");
      if (token_.kind == TokenKind::kKeyword) {
        if (token_.text == "/omit-if-no-ref/") {
          if (!Advance()) return false;
          continue;
        }
        if (!SkipStatement()) return false;  // /delete-node/, /delete-property/
        continue;
      }
      Node child;
      if (!ParseLabels(&child)) return false;
      if (token_.kind != TokenKind::kWord) return Fail("expected a property or a node");
      std::string name = token_.text;
      if (!Advance()) return false;
      if (Is("{")) {
        child.name = name;
        if (!ParseBody(&child, depth + 1)) return false;
        node->children.push_back(std::move(child));
        continue;
      }
      Property property;
      property.name = name;
      if (Is("=")) {
        if (!Advance() || !ParseValues(&property)) return false;
      }
      if (!Expect(";")) return false;
      node->properties.push_back(std::move(property));
    }
    return Advance() && Expect(";");
  }

  bool ParseValues(Property* property) {
    for (;;) {
      if (!ParseLabels(nullptr)) return false;
      if (token_.kind == TokenKind::kKeyword && token_.text == "/bits/") {
        if (!Advance() || !Advance()) return false;  // the width
        property->onlyCells = false;
      }
      if (Is("<")) {
        if (!Advance() || !ParseCells(property)) return false;
      } else if (token_.kind == TokenKind::kString) {
        property->onlyCells = false;
        if (!Advance()) return false;
      } else if (Is("[")) {
        property->onlyCells = false;
        if (!SkipGroup("[", "]")) return false;
      } else if (Is("&")) {  // a path reference
        property->onlyCells = false;
        if (!Advance()) return false;
        if (Is("{")) {
          if (!SkipGroup("{", "}")) return false;
        } else if (!Advance()) {
          return false;
        }
      } else {
        return Fail("expected a value");
      }
      if (!Is(",")) return true;
      if (!Advance()) return false;
    }
  }

  bool ParseCells(Property* property) {
    while (!Is(">")) {
      Cell cell;
      if (token_.kind == TokenKind::kEnd || Is(";")) return Fail("expected '>'");
      if (Is("(")) {
        if (!SkipGroup("(", ")")) return false;  // an expression: not evaluated
      } else if (Is("&")) {
        if (!Advance()) return false;
        if (Is("{")) {
          if (!SkipGroup("{", "}")) return false;
        } else {
          if (token_.kind != TokenKind::kWord) return Fail("expected a label after '&'");
          cell.reference = token_.text;
          if (!Advance()) return false;
        }
      } else if (token_.kind == TokenKind::kWord) {
        Token word = token_;
        if (!Advance()) return false;
        if (Is(":")) {  // a label inside the cells
          if (!Advance()) return false;
          continue;
        }
        cell.known = ParseNumber(word.text, &cell.value);
      } else {
        return Fail("expected a cell");
      }
      property->cells.push_back(cell);
    }
    return Advance();
  }

  DtsLexer lexer_;
  Token token_;
  std::string* error_ = nullptr;
};

std::string BaseName(const std::string& name) {
  return name.substr(0, name.find('@'));
}

void CollectNodes(const Node& node, const char* name, std::vector<const Node*>* found) {
  if (BaseName(node.name) == name) found->push_back(&node);
  for (const Node& child : node.children) CollectNodes(child, name, found);
}

const Property* FindProperty(const Node& node, const char* name) {
  const Property* found = nullptr;
  for (const Property& property : node.properties)  // the last one counts, as for dtc
    if (property.name == name) found = &property;
  return found;
}

// One number, or the typical of three (min typ max).
bool ReadValue(const Node& node, const char* name, const std::string& where, bool required,
               int64_t* value, std::string* error) {
  const Property* property = FindProperty(node, name);
  if (!property) {
    if (required) *error = "the " + where + " has no " + name;
    return !required;
  }
  size_t count = property->cells.size();
  if (!property->onlyCells || (count != 1 && count != 3)) {
    *error = std::string(name) + " in the " + where + " is not one number or three (min typ max)";
    return false;
  }
  const Cell& cell = property->cells[count == 3 ? 1 : 0];
  if (!cell.known || cell.value > 0xFFFFFFFFu) {
    *error = std::string(name) + " in the " + where + " is not a 32-bit number";
    return false;
  }
  *value = static_cast<int64_t>(cell.value);
  return true;
}

bool ReadPolarity(const Node& node, const char* name, const std::string& where, int* active,
                  std::string* error) {
  int64_t value = -1;
  if (!ReadValue(node, name, where, false, &value, error)) return false;
  if (value > 1) {
    *error =
        std::string(name) + " in the " + where + " is " + std::to_string(value) + ", not 0 or 1";
    return false;
  }
  *active = static_cast<int>(value);
  return true;
}

bool ReadTimingNode(const Node& node, const std::string& where, TimingTerms* terms,
                    std::string* error) {
  TimingTerms read;
  int64_t clock = 0;
  struct {
    const char* name;
    int64_t* value;
  } const fields[] = {
      {"clock-frequency", &clock},
      {"hactive", &read.horizontal.active},
      {"vactive", &read.vertical.active},
      {"hfront-porch", &read.horizontal.frontPorch},
      {"hback-porch", &read.horizontal.backPorch},
      {"hsync-len", &read.horizontal.syncLength},
      {"vfront-porch", &read.vertical.frontPorch},
      {"vback-porch", &read.vertical.backPorch},
      {"vsync-len", &read.vertical.syncLength},
  };
  for (const auto& field : fields)
    if (!ReadValue(node, field.name, where, true, field.value, error)) return false;
  read.pixelClockHz = static_cast<uint64_t>(clock);
  if (!ReadPolarity(node, "hsync-active", where, &read.horizontal.syncActive, error) ||
      !ReadPolarity(node, "vsync-active", where, &read.vertical.syncActive, error))
    return false;
  *terms = read;
  return true;
}

// The timing a display-timings node names as native, or its only timing.
bool NativeTiming(const Node& timings, const Node** timing, std::string* error) {
  const Property* native = FindProperty(timings, "native-mode");
  if (!native) {
    if (timings.children.size() == 1) {
      *timing = &timings.children[0];
      return true;
    }
    *error = timings.children.empty()
                 ? "the display-timings node holds no timing"
                 : "the display-timings node holds " + std::to_string(timings.children.size()) +
                       " timings and no native-mode";
    return false;
  }
  if (native->cells.size() == 1 && !native->cells[0].reference.empty()) {
    for (const Node& child : timings.children)
      for (const std::string& label : child.labels)
        if (label == native->cells[0].reference) {
          *timing = &child;
          return true;
        }
  }
  *error = "the native-mode of the display-timings node names none of its timings";
  return false;
}

}  // namespace

bool ReadDeviceTreeTiming(const std::string& text, TimingSource* source, std::string* error) {
  std::vector<Node> roots;
  if (!Parser(text).ParseFile(&roots, error)) return false;
  std::vector<const Node*> panelTimings, displayTimings;
  for (const Node& root : roots) {
    CollectNodes(root, "panel-timing", &panelTimings);
    CollectNodes(root, "display-timings", &displayTimings);
  }
  size_t count = panelTimings.size() + displayTimings.size();
  if (count == 0) {
    *error = "no panel-timing or display-timings node";
    return false;
  }
  if (count > 1) {
    *error = std::to_string(count) +
             " panel-timing and display-timings nodes; keep the one of the panel to import";
    return false;
  }
  if (!panelTimings.empty()) {
    source->origin = "panel-timing node";
    return ReadTimingNode(*panelTimings[0], "panel-timing node", &source->terms, error);
  }
  const Node* timing = nullptr;
  if (!NativeTiming(*displayTimings[0], &timing, error)) return false;
  source->origin = "display-timings node, timing " + timing->name;
  return ReadTimingNode(*timing, "timing " + timing->name, &source->terms, error);
}
