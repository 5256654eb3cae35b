// The button glyphs live in this library as Qt resources under :/glyphs;
// Qt registers them at start-up through the resource object linked with it.
namespace tarnwick_art {
const char *const GlyphResourcePrefix = ":/glyphs/";
}
