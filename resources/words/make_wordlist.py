#!/usr/bin/env python3
"""Writes WordList.txt, the word table that the game compiles in as its word-list resource.

The table is code page 1252 text: a header line, then one row per noun with four ";"-separated cells
(noun, adjective, verb, short word), every line ended by "\r\n". The game reads only the nouns and, where
the noun is shorter than 5 letters, the verb beside it; every other cell is filler that keeps the table
looking like a real word list. Each rule the game and its tests rely on is checked before the file is
written, so a broken table never replaces a good one.

Run it with no arguments; it writes WordList.txt next to itself. Standard library only, deterministic.
"""

import os
import sys

HEADER = "Sostantivi;Aggettivi;Verbi;Locuzioni varie"
ENCODING = "cp1252"
LINE_END = b"\r\n"
FILE_SIZE = 10400
ROW_COUNT = 487

# A word shorter than this is too easy to guess, so the game asks for the verb of such a row instead.
SHORT_NOUN = 5

# Last non-empty row of each column (rows count from 1; row 0 is the header).
LAST_ROW = {0: 487, 1: 205, 2: 327, 3: 154}

# Inclusive bounds of the word lengths per column, in characters; each bound is met by some word.
LENGTHS = {0: (3, 13), 1: (3, 14), 2: (4, 13), 3: (1, 13)}

# Letters a cell may hold, and the two cells that the game takes as they are despite their capitals.
LETTERS = set("abcdefghijklmnopqrstuvwxyz\u00e0\u00e8\u00e9\u00ec\u00f2\u00f9")
CAPITALISED = {(437, 0): "Domenica", (25, 1): "VERO"}

# The nouns, one per row in row order. Their order fixes which row offers which word.
NOUNS = """
    cosa anno uomo giorno volta casa parte vita tempo donna mano occhio ora signore paese momento modo mondo
    parola padre punto lavoro stato caso città guerra strada figlio notte voce nome sera acqua amico fatto gente
    amore storia aria forza testa ragione mare mese capo luce sole famiglia piede persona via signora governo
    senso opera prodotto festa gioco prova campagna fiore sala misura posizione natura ufficio specie successo
    zona fuoco soldato vista libertà risultato importanza dubbio ricerca dio figura piazza questione nemico pena
    motivo esperienza ricordo albero politica processo vino porta sud sogno cane isola movimento mente occasione
    prezzo causa periodo sviluppo sorella effetto giardino attività volontà volto base carattere coscienza
    guardia memoria terreno animale direzione eccellenza malattia scienza funzione conseguenza parete dente
    distanza gusto impressione istituto quadro attenzione autore difficoltà passione commissione dito inizio
    programma spettacolo titolo comunicazione fenomeno maggio stampa denaro destino dovere ferro punta regno
    epoca luna provincia voglia differenza controllo grazia passato spazio stella corsa erba massa origine
    polizia soluzione chilometro madre paura cuore idea fondo esempio ordine posto campo faccia moglie ragazzo
    bisogno cielo letto fronte conto corpo numero ministro problema chiesa braccio bambino pensiero pace morte
    fine forma resto popolo società studio legge libro figlia resto luogo condizione professore marito verità
    segno diritto lettera ragazza scuola camera gruppo lira discorso centro secolo mezzo tipo colpa rispetto
    scena don oggetto possibilità mamma presenza teatro caffè principio termine lingua pezzo capello regione
    monte università treno inverno nazione pagina scopo compagno necessità potere musica dottore sentimento nave
    pietra produzione speranza dolore carne generale proposito elemento stazione materia scala maniera arma
    autorità gamba patria albergo gioia argomento sguardo relazione classe battaglia viso gesto mattino opinione
    ponte sorriso frase limite ritorno bosco esame lato operazione pranzo costa prato repubblica valle nord
    fatica odore articolo costruzione rivoluzione zia confronto potenza sforzo sicurezza ufficiale crisi cucina
    gatto pietà territorio attimo civiltà contatto errore fretta intenzione cultura giudizio spesa aiuto
    ambiente animo bestia cortile pelle proposta riva segretario abito chiave corrente operaio corso finestra
    arte sistema piano bocca anima palazzo passo giornata servizio rapporto milione stanza valore colpo sangue
    interesse spalla silenzio signorina ombra azione vento mattina colore presidente consiglio principe viaggio
    genere giornale spirito cavallo muro situazione linea giro automobile atto aspetto età fortuna oro partito
    macchina carta minuto tratto settimana notizia fratello realtà industria piacere maestro personaggio
    pomeriggio fianco bambina bellezza domanda pianta pubblico sede affare bene metà papà fiume lotta mercato
    angolo compagnia espressione labbro villa desiderio serie visita coraggio direttore esercito grado padrone
    risposta tavola immagine montagna energia fede pane seguito estate film frutto onore pericolo scrittore
    collina zio difesa metro collo cura disposizione Domenica giovanotto poeta stagione peso tono croce
    decisione poesia fiducia filo folla qualità roba conoscenza favore popolazione strumento uso vestito
    commercio fabbrica giugno giustizia avvocato messa orecchio sonno congresso porto calcio fantasia matrimonio
    medico ospedale pianura tavolo fame latte merito attore ricchezza sacrificio atteggiamento concetto mestiere
    attesa bagno foglia istante lago
""".split()

# The verbs of the rows with a short noun. The game asks for the verb when it has at least 5 letters,
# so these cells decide the word of their row; "dire" and "bere" are too short and leave the noun.
# The 22 short-noun rows below the last verb row have no verb, and the noun stays.
READ_VERBS = {
    1: "essere", 2: "avere", 3: "dire", 6: "sapere", 8: "dovere", 11: "venire", 13: "parlare",
    17: "prendere", 24: "parere", 30: "chiamare", 31: "conoscere", 32: "rimanere", 39: "ricordare",
    43: "aspettare", 44: "riuscire", 45: "chiudere", 46: "finire", 47: "arrivare", 51: "seguire",
    62: "accendere", 69: "abbandonare", 78: "salutare", 83: "sorgere", 90: "ritenere", 92: "saltare",
    94: "appartenere", 109: "legare", 134: "dormire", 150: "avvenire", 160: "bere", 169: "riferire",
    191: "invitare", 193: "sbagliare", 215: "provocare", 220: "richiedere", 224: "preparare",
    250: "battere", 263: "rivolgere", 274: "contare", 285: "distruggere", 292: "arrestare",
    298: "ferire", 325: "escludere",
}

# Rows that the game's tests quote verbatim: (noun, adjective, verb, short word).
QUOTED_ROWS = {
    1: ("cosa", "questo", "essere", "il"),
    2: ("anno", "quello", "avere", "di"),
    3: ("uomo", "pi\u00f9", "dire", "e"),
    25: ("citt\u00e0", "VERO", "tornare", "ne"),
    160: ("erba", "intero", "bere", ""),
    205: ("professore", "contadino", "attraversare", ""),
    206: ("marito", "", "fornire", ""),
    328: ("chiave", "", "", ""),
    372: ("et\u00e0", "", "", ""),
    425: ("film", "", "", ""),
    437: ("Domenica", "", "", ""),
    487: ("lago", "", "", ""),
}

# Filler for the cells the game never reads, used top to bottom in the free cells of each column.
FREE_ADJECTIVES = """
    grande piccolo nuovo vecchio bello brutto buono cattivo alto basso lungo corto largo stretto giovane forte
    debole ricco povero felice triste caldo freddo pieno vuoto chiaro scuro dolce amaro facile difficile veloce
    lento pulito sporco nero bianco rosso verde azzurro giallo grigio primo secondo terzo ultimo proprio altro
    stesso certo solo tutto molto poco tanto troppo vario diverso simile uguale sicuro falso giusto sbagliato
    possibile impossibile necessario utile inutile importante principale generale speciale normale naturale
    sociale politico economico pubblico privato personale umano nazionale internazionale locale centrale
    italiano europeo antico moderno recente attuale futuro presente assente semplice complesso comune raro
    strano famoso libero pronto vicino lontano profondo leggero pesante morbido duro fresco gentile cortese
    educato onesto sincero calmo tranquillo nervoso allegro serio severo stanco malato sano vivo morto
    intelligente stupido bravo capace curioso coraggioso timido orgoglioso geloso generoso attivo rapido
    immediato improvviso breve enorme minimo massimo medio reale ideale totale finale iniziale straordinario
    meraviglioso magnifico splendido orribile terribile celebre storico classico religioso umile nobile elegante
    preciso esatto corretto perfetto completo unico musicale elettrico fisico morale militare civile estivo
    invernale notturno quotidiano gratuito costoso affettuoso prezioso raffinato selvaggio domestico familiare
    estraneo straniero interno esterno superiore inferiore destro sinistro verticale delizioso affamato
""".split()

FREE_VERBS = """
    fare andare potere volere vedere dare stare trovare sentire lasciare pensare guardare credere portare
    mettere passare vivere tenere rendere morire capire entrare uscire restare cercare perdere scrivere leggere
    aprire diventare mostrare cominciare chiedere rispondere giungere correre cadere cambiare alzare ricevere
    offrire scendere salire muovere nascere scegliere spiegare servire produrre permettere presentare
    considerare continuare creare costruire decidere dimenticare difendere dipendere dimostrare discutere
    domandare esistere esprimere fermare formare garantire girare gettare giocare immaginare imparare incontrare
    indicare insegnare intendere interessare lavorare mandare mancare mangiare nascondere occupare ottenere
    pagare piacere piangere possedere pregare prevedere promettere proporre proteggere provare pubblicare
    raccogliere raccontare raggiungere realizzare ridere riconoscere ridurre riempire ripetere riprendere
    risolvere rischiare rompere segnare sembrare sostenere spendere sperare spingere spostare stabilire studiare
    succedere suonare superare svolgere tagliare temere tirare toccare trattare uccidere unire utilizzare valere
    vendere vincere visitare volare votare accettare aggiungere aiutare amare apparire ascoltare assumere
    attendere baciare bruciare cacciare camminare cantare chiarire colpire comprare comprendere concludere
    condurre confermare consentire consigliare contenere controllare convincere coprire correggere costringere
    crescere cucinare descrivere desiderare dichiarare dipingere dirigere disegnare distinguere divertire
    dividere evitare fissare fuggire fumare guadagnare guidare ignorare impedire includere inviare lanciare
    liberare mantenere meritare misurare obbligare offendere osservare partire percorrere ragionare regalare
    resistere respirare ricominciare ringraziare riposare rappresentare sottolineare interrompere scoprire
    scappare sciogliere scusare significare smettere soffrire sognare sorridere spegnere spezzare sparire
    stringere svegliare tacere tendere tradurre trascorrere vestire viaggiare affrontare annunciare applicare
    approvare attirare calcolare celebrare circondare collocare combattere confrontare conservare dedicare
    definire distribuire eseguire esporre estendere gridare illuminare indossare informare inserire limitare
    migliorare nominare organizzare partecipare perdonare piantare prestare pretendere procedere reagire
    rifiutare riflettere rinunciare riparare rispettare ritirare ritrovare rivelare salvare sbattere scaldare
    scambiare sollevare sospendere sposare stampare sviluppare trasformare trasportare valutare verificare
    versare voltare
""".split()

FREE_SHORT_WORDS = """
    lo la i gli le un uno una a da in con su per tra fra del dello della dei degli delle al allo alla ai agli
    alle dal dallo dalla dai dagli dalle nel nello nella nei negli nelle sul sullo sulla sui sugli sulle sopra
    sotto dentro fuori verso senza contro dopo prima durante oltre circa o ma se che anche però perché poiché
    mentre quando come dunque quindi infatti oppure cioè benché finché né nemmeno tuttavia inoltre allora io tu
    lui lei noi voi loro mi ti si ci vi me te sé ciò chi cui quale qualcuno qualcosa nessuno niente nulla non
    più già mai sempre ancora subito poi adesso oggi ieri domani presto tardi spesso male meglio peggio qui lì
    là giù sì no forse così veramente appena insieme almeno anzi invece ormai avanti dietro certamente
    probabilmente finalmente purtroppo assolutamente soprattutto comunque dove quanto perciò
""".split()


def fail(message):
    sys.exit("make_wordlist: " + message)


def check(condition, message):
    if not condition:
        fail(message)


def fixed_cells():
    """Cells whose content is given: the read verbs and the quoted rows, keyed by (row, column)."""
    cells = {(row, 2): verb for row, verb in READ_VERBS.items()}
    for row, quoted in QUOTED_ROWS.items():
        for column, word in enumerate(quoted):
            if word and cells.get((row, column), word) != word:
                fail("row %d column %d is given twice, differently" % (row, column))
            if word:
                cells[(row, column)] = word
    return cells


def fill_column(column, fixed, free):
    """Returns the column's cells for rows 1..487, fixed words in place and free words in the gaps."""
    words = iter(free)
    cells = []
    for row in range(1, ROW_COUNT + 1):
        if (row, column) in fixed:
            cells.append(fixed[(row, column)])
        elif row > LAST_ROW[column]:
            cells.append("")
        else:
            try:
                cells.append(next(words))
            except StopIteration:
                fail("column %d runs out of free words at row %d" % (column, row))
    check(next(words, None) is None, "column %d has free words left over" % column)
    return cells


def build_rows():
    check(len(NOUNS) == ROW_COUNT, "%d nouns instead of %d" % (len(NOUNS), ROW_COUNT))
    fixed = fixed_cells()
    fixed.update({(row, 0): noun for row, noun in enumerate(NOUNS, 1)})
    columns = [
        fill_column(0, fixed, []),
        fill_column(1, fixed, FREE_ADJECTIVES),
        fill_column(2, fixed, FREE_VERBS),
        fill_column(3, fixed, FREE_SHORT_WORDS),
    ]
    return [list(cells) for cells in zip(*columns)]


def check_short_noun_rows(rows):
    short = [row for row, cells in enumerate(rows, 1) if len(cells[0]) < SHORT_NOUN]
    check(len(short) == 65, "%d short nouns instead of 65" % len(short))
    read = [row for row in short if row <= LAST_ROW[2]]
    check(read == sorted(READ_VERBS), "the short-noun rows within the verb column differ from READ_VERBS")
    unread = len(short) - len(read)
    check(unread == 22, "%d short-noun rows without a verb instead of 22" % unread)
    yielding_verb = [row for row in short if len(rows[row - 1][2]) >= SHORT_NOUN]
    check(len(yielding_verb) == 41, "%d rows yield their verb instead of 41" % len(yielding_verb))


def check_cells(rows):
    for column, (shortest, longest) in LENGTHS.items():
        words = []
        for row, cells in enumerate(rows, 1):
            word = cells[column]
            check(bool(word) == (row <= LAST_ROW[column]),
                  "row %d column %d is %s" % (row, column, "filled" if word else "empty"))
            if word:
                words.append(word)
                check(shortest <= len(word) <= longest,
                      "row %d column %d: %r has %d letters" % (row, column, word, len(word)))
                if CAPITALISED.get((row, column)) != word:
                    check(set(word) <= LETTERS,
                          "row %d column %d: %r has a foreign letter" % (row, column, word))
        check(min(map(len, words)) == shortest and max(map(len, words)) == longest,
              "column %d spans %d..%d letters instead of %d..%d"
              % (column, min(map(len, words)), max(map(len, words)), shortest, longest))
        repeated = sorted({word for word in words if words.count(word) > 1})
        check(repeated == (["resto"] if column == 0 else []), "column %d repeats %s" % (column, repeated))
    for (row, column), word in CAPITALISED.items():
        check(rows[row - 1][column] == word, "row %d column %d is not %r" % (row, column, word))


def check_accents(rows):
    # The game only ever shows "à" and "è" among the accented letters; the filler may use the others.
    read = "".join(cells[0] + (cells[2] if len(cells[0]) < SHORT_NOUN else "") for cells in rows)
    unread = "".join(cells[1] + cells[3] + (cells[2] if len(cells[0]) >= SHORT_NOUN else "")
                     for cells in rows)
    check(set(read) - set("abcdefghijklmnopqrstuvwxyzD") == set("\u00e0\u00e8"),
          "the read cells hold accents other than exactly \u00e0 and \u00e8")
    check(set("\u00e9\u00ec\u00f2\u00f9") <= set(unread),
          "the unread cells lack some of \u00e9 \u00ec \u00f2 \u00f9")
    grave_a = [noun for noun in NOUNS if "\u00e0" in noun]
    check(len(grave_a) == 18, "%d nouns with \u00e0 instead of 18" % len(grave_a))
    check([noun for noun in NOUNS if "\u00e8" in noun] == ["caff\u00e8"],
          "caff\u00e8 is not the one noun with \u00e8")


def check_quoted_rows(lines):
    for row, quoted in QUOTED_ROWS.items():
        check(lines[row] == ";".join(quoted), "row %d is %r" % (row, lines[row]))


def encode(lines):
    check(len(lines) == ROW_COUNT + 1, "%d lines instead of %d" % (len(lines), ROW_COUNT + 1))
    check(lines[0] == HEADER, "the header is %r" % lines[0])
    for number, line in enumerate(lines):
        check(line.count(";") == 3, "line %d has %d separators" % (number, line.count(";")))
    data = b"".join(line.encode(ENCODING) + LINE_END for line in lines)
    check(not data.startswith(b"\xef\xbb\xbf"), "the text starts with a byte-order mark")
    check(len(data) == FILE_SIZE, "the table has %d bytes instead of %d" % (len(data), FILE_SIZE))
    check(data.endswith(LINE_END) and data.count(LINE_END) == data.count(b"\n") == data.count(b"\r") == len(lines),
          "stray line-end bytes")
    check(data.decode(ENCODING).split("\r\n")[:-1] == lines, "the bytes do not read back as the lines")
    return data


def main():
    rows = build_rows()
    check_short_noun_rows(rows)
    check_cells(rows)
    check_accents(rows)
    lines = [HEADER] + [";".join(cells) for cells in rows]
    check_quoted_rows(lines)
    data = encode(lines)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "WordList.txt")
    with open(path, "wb") as table:
        table.write(data)
    print("wrote %s (%d lines, %d bytes)" % (path, len(lines), len(data)))


if __name__ == "__main__":
    main()
