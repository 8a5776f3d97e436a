#include "fen.h"

#include <sstream>
#include <vector>

#include "quoted.h"

namespace lorvane {

namespace {

int CodeOfLetter(char c) {
  switch (c) {
    case 'k': return kComputerGeneral;
    case 'r': return kComputerChariot;
    case 'n': case 'h': return kComputerHorse;
    case 'c': return kComputerCannon;
    case 'a': return kComputerAdvisor;
    case 'b': case 'e': return kComputerElephant;
    case 'p': return kComputerPawn;
    case 'K': return kPlayerGeneral;
    case 'R': return kPlayerChariot;
    case 'N': case 'H': return kPlayerHorse;
    case 'C': return kPlayerCannon;
    case 'A': return kPlayerAdvisor;
    case 'B': case 'E': return kPlayerElephant;
    case 'P': return kPlayerPawn;
    default: return -1;
  }
}

constexpr char kLetters[] = " krncabpKRNCABP";

}  // namespace

bool ParseFen(const std::string& line, FenPosition& out, std::string& error) {
  std::istringstream in(line);
  std::vector<std::string> fields;
  for (std::string f; in >> f;) fields.push_back(f);
  if (fields.empty()) {
    error = "empty line, expected a position";
    return false;
  }
  if (fields.size() > 6) {
    error = "too many fields (" + std::to_string(fields.size()) + "), expected one to six";
    return false;
  }

  Board board;
  const std::string& rows = fields[0];
  int y = 0;
  int x = 0;
  for (std::size_t i = 0; i <= rows.size(); ++i) {
    const char c = i < rows.size() ? rows[i] : '/';
    if (c == '/') {
      if (y >= kRanks) {
        error = "too many rows, expected 10";
        return false;
      }
      if (x != kFiles) {
        error = "row " + std::to_string(y + 1) + " has " + std::to_string(x) +
                " files, expected 9";
        return false;
      }
      ++y;
      x = 0;
      continue;
    }
    if (c >= '1' && c <= '9') {
      x += c - '0';
    } else {
      const int code = CodeOfLetter(c);
      if (code < 0) {
        error = "unknown letter " + Quoted(std::string(1, c)) + " in row " + std::to_string(y + 1);
        return false;
      }
      if (x < kFiles && y < kRanks) board(x, y) = static_cast<std::uint8_t>(code);
      ++x;
    }
    if (x > kFiles) {
      error = "row " + std::to_string(y + 1) + " is too long, more than 9 files";
      return false;
    }
    if (y >= kRanks) {
      error = "too many rows, expected 10";
      return false;
    }
  }
  if (y != kRanks) {
    error = "board has " + std::to_string(y) + " rows, expected 10";
    return false;
  }

  Side toMove = Side::kPlayer;
  if (fields.size() >= 2) {
    if (fields[1] == "w" || fields[1] == "r") {
      toMove = Side::kPlayer;
    } else if (fields[1] == "b") {
      toMove = Side::kComputer;
    } else {
      error = "unknown side " + Quoted(fields[1]) + ", expected w or b";
      return false;
    }
  }
  out.board = board;
  out.toMove = toMove;
  return true;
}

std::string ToFen(const Board& board, Side toMove) {
  std::string s;
  for (int y = 0; y < kRanks; ++y) {
    int empty = 0;
    for (int x = 0; x < kFiles; ++x) {
      const std::uint8_t c = board(x, y);
      if (c == 0 || c > 14) {
        ++empty;
        continue;
      }
      if (empty) s += static_cast<char>('0' + empty);
      empty = 0;
      s += kLetters[c];
    }
    if (empty) s += static_cast<char>('0' + empty);
    if (y + 1 < kRanks) s += '/';
  }
  s += toMove == Side::kPlayer ? " w" : " b";
  return s;
}

std::string IccsPoint(int x, int y) {
  return {static_cast<char>('a' + x), static_cast<char>('0' + (9 - y))};
}

std::string ToIccs(int fromX, int fromY, int toX, int toY) {
  return IccsPoint(fromX, fromY) + IccsPoint(toX, toY);
}

bool ParseIccs(const std::string& text, int& fromX, int& fromY, int& toX, int& toY) {
  if (text.size() != 4) return false;
  int v[4];
  for (int i = 0; i < 4; ++i) {
    const char c = text[static_cast<std::size_t>(i)];
    if (i % 2 == 0) {
      const char f = c >= 'A' && c <= 'I' ? static_cast<char>(c - 'A' + 'a') : c;
      if (f < 'a' || f > 'i') return false;
      v[i] = f - 'a';
    } else {
      if (c < '0' || c > '9') return false;
      v[i] = 9 - (c - '0');
    }
  }
  fromX = v[0];
  fromY = v[1];
  toX = v[2];
  toY = v[3];
  return true;
}

}  // namespace lorvane
