// The artwork library holds nothing but compiled-in resources; a static library still needs one
// translation unit of its own, and this is it.
namespace corvastel::assets {

[[maybe_unused]] constexpr int kResourcePrefixLength = sizeof("/images") - 1;

} // namespace corvastel::assets
