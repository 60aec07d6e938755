#include "profiles/profile_file.h"

#include <array>

#include "core/cp1252.h"
#include "core/little_endian.h"

namespace kvop {
namespace {

bool read_count(std::istream& in, std::uint32_t& n, std::size_t& got) {
  std::array<unsigned char, 4> b{};
  in.read(reinterpret_cast<char*>(b.data()), 4);
  got = static_cast<std::size_t>(in.gcount());
  if (got != 4) return false;
  n = le::get_u32(b.data());
  return true;
}

}  // namespace

RecordRead read_record(std::istream& in, std::vector<unsigned char>& bytes, std::size_t keep,
                       std::string& why) {
  bytes.clear();
  std::uint32_t lead = 0, trail = 0;
  std::size_t got = 0;
  if (!read_count(in, lead, got)) {
    if (got == 0) return RecordRead::end;
    why = enc("POSTENS INLEDANDE LÄNGDANGIVELSE ÄR AVKAPAD");
    return RecordRead::unreadable;
  }
  const std::size_t want = keep == 0 ? lead : std::min<std::size_t>(keep, lead);
  // The bytes are read in pieces, so that a corrupt count cannot make the
  // reader reserve more memory than the file really holds.
  constexpr std::size_t kPiece = 1 << 16;
  std::size_t left = lead;
  while (left > 0) {
    const std::size_t n = std::min(left, kPiece);
    const std::size_t at = bytes.size();
    const std::size_t take = at < want ? std::min(n, want - at) : 0;
    if (take > 0) {
      bytes.resize(at + take);
      in.read(reinterpret_cast<char*>(bytes.data() + at), static_cast<std::streamsize>(take));
      if (static_cast<std::size_t>(in.gcount()) != take) {
        why = enc("FILEN SLUTAR INNE I POSTEN");
        return RecordRead::unreadable;
      }
    }
    if (n > take) {
      in.ignore(static_cast<std::streamsize>(n - take));
      if (static_cast<std::size_t>(in.gcount()) != n - take) {
        why = enc("FILEN SLUTAR INNE I POSTEN");
        return RecordRead::unreadable;
      }
    }
    left -= n;
  }
  if (!read_count(in, trail, got)) {
    why = enc("POSTENS AVSLUTANDE LÄNGDANGIVELSE SAKNAS");
    return RecordRead::unreadable;
  }
  if (trail != lead) {
    why = enc("POSTENS AVSLUTANDE LÄNGDANGIVELSE SKILJER SIG FRÅN DEN INLEDANDE");
    return RecordRead::unreadable;
  }
  return RecordRead::ok;
}

void write_record(std::ostream& out, const std::vector<unsigned char>& bytes) {
  unsigned char c[4];
  le::put_u32(c, static_cast<std::uint32_t>(bytes.size()));
  out.write(reinterpret_cast<const char*>(c), 4);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.write(reinterpret_cast<const char*>(c), 4);
}

}  // namespace kvop
