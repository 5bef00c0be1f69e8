#pragma once

#include <QImage>
#include <QSize>

#include <filesystem>
#include <optional>

class MessageBoxService;
class ProgramDirectory;

// What becomes of the file a picture is taken into while it is written.
enum class WhileWriting {
    OutputGone, // replaced at once by the picture as it is written
    OutputKept, // left as it is until the picture is whole and shown, then replaced
};

// Copies picture `pictureNumber` (from 1) of the pack `pack` into the working
// file `output` of `directory` and reads it at `size`. A picture that does not
// come out whole, or cannot be shown, is reported once, by pack and reason,
// and leaves no file of its own behind. Nothing then.
std::optional<QImage> TakePicture(const std::filesystem::path& pack, int pictureNumber,
                                  const ProgramDirectory& directory,
                                  const std::filesystem::path& output, QSize size,
                                  WhileWriting writing, MessageBoxService& messages);
