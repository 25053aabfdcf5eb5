// Two-column composition of the report's parameter pages. The left column's
// lines are laid out first, each as wide as the column (55 characters for
// headings and blank lines); the right column's lines are then appended to
// the same entries from the top again. Where the left column has already
// ended, an appended line starts at the margin: the tables that follow the
// two columns on the signaling page are laid out that way.
#pragma once

#include <string>
#include <vector>

namespace kp07 {

constexpr int kLeftColumnWidth = 55;

class ColumnComposer {
  public:
    // A line laid out by its own format to the column's width.
    void Left(std::string line) { left_.push_back(std::move(line)); }
    // A section heading, padded to the column's width.
    void LeftHeading(const std::string& heading);
    void LeftBlank();
    void Right(std::string line) { right_.push_back(std::move(line)); }
    void RightBlank() { right_.emplace_back(); }

    // Ends both columns on one shared blank line: the left column is carried
    // on with blank lines beside the rest of the right one, so that no right
    // line loses its column.
    void CloseColumns();

    std::vector<std::string> Lines() const;

  private:
    std::vector<std::string> left_;
    std::vector<std::string> right_;
};

}  // namespace kp07
