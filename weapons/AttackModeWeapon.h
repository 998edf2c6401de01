#pragma once

namespace weapons {

// The nine weapons of the list that ask for an attack mode in a window of their own.
enum class AttackModeWeapon : unsigned char {
    Krummsaebel,
    Lanze,
    Stossspeer,
    Anderthalbhaender,
    Ogerhammer,
    Schlachtbeil,
    Glefe,
    Hellebarde,
    Stielhammer,
};

} // namespace weapons
