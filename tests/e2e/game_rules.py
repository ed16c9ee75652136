"""The rules of Pairfall as the end-to-end players need them, on a table of
values (0 for an empty place, Ace 1 to King 13): which play is left, and a
pair that the game refuses.  Pure: shared by the keyboard game, the Orca test
and the Windows speech test."""
RANKS = {"Ace": 1, "Two": 2, "Three": 3, "Four": 4, "Five": 5, "Six": 6, "Seven": 7,
         "Eight": 8, "Nine": 9, "Ten": 10, "Jack": 11, "Queen": 12, "King": 13}
TEN = 10
COLUMNS = 4
SLOTS = 12


def play_left(values):
    """A ten, a pair that makes ten, or four face cards of one rank, as slot lists."""
    tens = [i for i, v in enumerate(values) if v == TEN]
    if tens:
        return [tens[0]]
    for i in range(SLOTS):
        for j in range(i + 1, SLOTS):
            if 0 < values[i] < TEN and values[i] + values[j] == TEN:
                return [i, j]
    for rank in (11, 12, 13):
        faces = [i for i, v in enumerate(values) if v == rank]
        if len(faces) == 4:
            return faces
    return None


def wrong_pair(values):
    for i in range(SLOTS):
        for j in range(i + 1, SLOTS):
            if 0 < values[i] < TEN and 0 < values[j] < TEN and values[i] + values[j] != TEN:
                return [i, j]
    return None
