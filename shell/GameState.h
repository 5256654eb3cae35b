#pragma once
// The program-wide game state: what every window reads and writes.
// Door, piece and turn arrays are indexed from 1 like the doors themselves;
// index 0 is unused.
#include <string>

namespace tarnwick {

constexpr int DoorCount = 13;   // doors 1..12 lead to riddle rooms, 13 to the throne room
constexpr int RoomCount = 12;

extern bool DoorOpen[DoorCount + 1];   // room N solved; 13 = chess board assembled
extern int PieceCol[RoomCount + 1];    // table cell of the piece's box, throne room
extern int PieceRow[RoomCount + 1];
extern int PieceTurn[RoomCount + 1];   // 0..3, or -1 while the piece is not won
extern int ReservedWord;               // carried from a loaded game into the next save
extern std::string GameFileName;       // current saved game, full path
extern bool ShowStoryAtStart;
extern int Language;                   // 1 German, 0 English, -1 not chosen yet
extern std::string ProgramDir;         // the data files' folder, with trailing '/'

// A text of the game in both of its languages.
struct BiText {
    const char* german;
    const char* english;
};

// The bilingual choice every text of the game goes through: German when the
// language is German, English otherwise, at the moment the text is shown.
inline const char* Tr(const BiText& text) { return Language == 1 ? text.german : text.english; }

}  // namespace tarnwick
