// One allocation for many images: a 1,000-piece cut in small allocations spends as long in page faults as in
// cutting, so its pieces share a block in huge pages where the system gives them.
#pragma once

#include <QImage>
#include <cstddef>
#include <memory>

class TPixelBlock {
 public:
  explicit TPixelBlock(std::size_t bytes);
  ~TPixelBlock();
  TPixelBlock(const TPixelBlock&) = delete;
  TPixelBlock& operator=(const TPixelBlock&) = delete;
  uchar* At(std::size_t offset) { return data_ + offset; }

 private:
  uchar* data_ = nullptr;
};

// Where each image begins in the block: rows of 32-bit pixels, each image on a cache line of its own.
inline std::size_t ImageBytes(QSize size) {
  return (static_cast<std::size_t>(size.width()) * size.height() * 4 + 63) / 64 * 64;
}

// An image over the block's bytes from `offset`; the block lives while any image over it does.
QImage BlockImage(const std::shared_ptr<TPixelBlock>& block, std::size_t offset, QSize size, QImage::Format format);
