#!/usr/bin/env python3
"""Writes the sample catalogue sources of Corkwise (data/catalogue/*.csv).

Everything here is invented for Corkwise: the producers, their wines, scores,
tasting notes, vintage ratings and pairings. Only the geography is real: the
origins, regions, appellations and grape varieties are the real names under
which wine is sold, so that a wine lover finds the catalogue plausible.

The output is fully determined by this file: the same script always writes the
same bytes (one fixed random generator, no dependence on hash order or time).

    python3 data/tools/make_sample.py [OUTPUT_DIR]

OUTPUT_DIR defaults to data/catalogue next to this tools folder.
"""

import csv
import re
import os
import random
import statistics
import sys
import unicodedata

# The catalogue is written as of the spring after the last vintage it covers:
# drinking windows and the codes of the vintage chart are judged from here.
AS_OF_YEAR = 2004
FIRST_YEAR = 1985
LAST_YEAR = 2003
MAX_TEXT_BYTES = 254

# ---------------------------------------------------------------------------
# Wine styles
# ---------------------------------------------------------------------------

# Profiles decide how a wine ages, how it is described and how its vintages
# are coded. window = (years after the vintage before it is ready, years after
# the vintage it keeps); release = usual years between harvest and release.
PROFILES = {
    "bigred": {"window": (4, 18), "release": 3, "colour": "red"},
    "red": {"window": (2, 10), "release": 2, "colour": "red"},
    "lightred": {"window": (1, 6), "release": 1, "colour": "red"},
    "white": {"window": (0, 4), "release": 1, "colour": "white"},
    "richwhite": {"window": (1, 9), "release": 2, "colour": "white"},
    "aromatic": {"window": (0, 7), "release": 1, "colour": "white"},
    "rose": {"window": (0, 2), "release": 1, "colour": "rose"},
    "sparkling": {"window": (0, 10), "release": 3, "colour": "sparkling"},
    "sweet": {"window": (3, 25), "release": 3, "colour": "sweet"},
    "port": {"window": (10, 40), "release": 2, "colour": "port"},
    "lbv": {"window": (0, 10), "release": 5, "colour": "port"},
    "tawny": {"window": (0, 30), "release": 10, "colour": "tawny"},
    "sherry": {"window": (0, 3), "release": 4, "colour": "sherry"},
    "madeira": {"window": (0, 50), "release": 5, "colour": "madeira"},
    "vdn": {"window": (0, 12), "release": 2, "colour": "vdn"},
}

# Profiles whose wines are blends of several years: their chart entries carry
# the code NV, and most of their wines are non-vintage.
NON_VINTAGE_PROFILES = ("sherry", "tawny", "madeira")

DECLARED_SCORE = 86

NEW_WORLD = ("U.S.", "Australia", "New Zealand", "Chile", "Argentina", "South Africa")


class Style:
    """One kind of wine a region makes: what the wine is and how it is sold."""

    def __init__(self, category, wine_type, appellation, variety, profile,
                 products, designations, nv_share=0.0):
        self.category = category
        self.wine_type = wine_type
        self.appellation = appellation
        self.variety = variety
        self.profile = profile
        self.products = products  # names a producer may sell this style under
        self.designations = designations  # "" means no designation
        self.nv_share = nv_share  # share of a producer's wines that are NV

    @property
    def chart_name(self):
        return self.appellation or self.variety


def S(category, wine_type, appellation, variety, profile, products,
      designations=("",), nv_share=0.0):
    return Style(category, wine_type, appellation, variety, profile,
                 list(products), list(designations), nv_share)


class Region:
    def __init__(self, origin, name, styles, since=FIRST_YEAR, producers=4, estates=False):
        self.origin = origin
        self.name = name
        self.styles = styles
        self.since = since  # first vintage the region is charted for
        self.producer_count = producers
        # Estates make the wine of one appellation only (a Pauillac château
        # makes no Pomerol), with perhaps a second colour of the same one.
        self.estates = estates


RESERVE = ("", "Reserve")
RESERVE_ESTATE = ("", "Reserve", "Estate Bottled")

REGIONS = [
    # --- U.S. ---
    Region("U.S.", "Napa Valley", [
        S("Still", "Red", None, "Cabernet Sauvignon", "bigred",
          ["Cabernet Sauvignon Napa Valley", "Cabernet Sauvignon Rutherford",
           "Cabernet Sauvignon Oakville", "Cabernet Sauvignon Howell Mountain"],
          ("", "Reserve", "Estate Bottled", "Private Reserve")),
        S("Still", "Red", None, "Merlot", "red", ["Merlot Napa Valley"], RESERVE),
        S("Still", "Red", None, "Zinfandel", "red",
          ["Zinfandel Napa Valley", "Zinfandel Calistoga"], ("", "Old Vines")),
        S("Still", "White", None, "Chardonnay", "richwhite",
          ["Chardonnay Napa Valley", "Chardonnay Carneros"], RESERVE),
        S("Still", "White", None, "Sauvignon Blanc", "white",
          ["Sauvignon Blanc Napa Valley"], ("", "Estate Bottled")),
    ], producers=7),
    Region("U.S.", "Sonoma County", [
        S("Still", "Red", None, "Pinot Noir", "lightred",
          ["Pinot Noir Russian River Valley", "Pinot Noir Sonoma Coast"],
          ("", "Reserve", "Estate Bottled")),
        S("Still", "Red", None, "Zinfandel", "red",
          ["Zinfandel Dry Creek Valley", "Zinfandel Sonoma Valley"],
          ("", "Old Vines")),
        S("Still", "Red", None, "Cabernet Sauvignon", "bigred",
          ["Cabernet Sauvignon Alexander Valley"], RESERVE),
        S("Still", "White", None, "Chardonnay", "richwhite",
          ["Chardonnay Russian River Valley", "Chardonnay Sonoma Coast"],
          ("", "Reserve")),
        S("Still", "Rosé", None, "Pinot Noir", "rose", ["Rosé of Pinot Noir Sonoma County"]),
    ], producers=6),
    Region("U.S.", "Central Coast", [
        S("Still", "Red", None, "Syrah", "red",
          ["Syrah Paso Robles", "Syrah Santa Barbara County"], ("", "Estate Bottled")),
        S("Still", "Red", None, "Pinot Noir", "lightred",
          ["Pinot Noir Santa Rita Hills", "Pinot Noir Santa Lucia Highlands"], RESERVE),
        S("Still", "White", None, "Chardonnay", "richwhite",
          ["Chardonnay Santa Maria Valley", "Chardonnay Edna Valley"], RESERVE),
        S("Still", "Rosé", None, "Grenache", "rose", ["Grenache Rosé Paso Robles"]),
    ], producers=5),
    Region("U.S.", "Mendocino County", [
        S("Sparkling", "White", None, "Chardonnay-Pinot Noir", "sparkling",
          ["Brut Anderson Valley", "Blanc de Blancs Anderson Valley"],
          ("", "Late Disgorged")),
        S("Sparkling", "Rosé", None, "Pinot Noir", "sparkling", ["Brut Rosé Anderson Valley"]),
        S("Still", "White", None, "Gewürztraminer", "aromatic",
          ["Gewürztraminer Anderson Valley"]),
    ], producers=3),
    Region("U.S.", "Willamette Valley", [
        S("Still", "Red", None, "Pinot Noir", "lightred",
          ["Pinot Noir Willamette Valley", "Pinot Noir Dundee Hills"],
          ("", "Reserve", "Estate Bottled")),
        S("Still", "White", None, "Pinot Gris", "aromatic", ["Pinot Gris Willamette Valley"]),
    ], producers=5),
    Region("U.S.", "Columbia Valley", [
        S("Still", "Red", None, "Merlot", "red", ["Merlot Columbia Valley"], RESERVE),
        S("Still", "Red", None, "Cabernet Sauvignon", "bigred",
          ["Cabernet Sauvignon Columbia Valley"], RESERVE),
        S("Still", "Red", None, "Syrah", "red", ["Syrah Columbia Valley"]),
        S("Still", "White", None, "Riesling", "aromatic", ["Riesling Columbia Valley"]),
        S("Still", "Dessert", None, "Riesling", "sweet",
          ["Late Harvest Riesling Columbia Valley"], ("", "Ice Wine")),
    ], producers=5),
    Region("U.S.", "Finger Lakes", [
        S("Still", "White", None, "Riesling", "aromatic", ["Dry Riesling Finger Lakes"]),
        S("Still", "Dessert", None, "Riesling", "sweet", ["Riesling Ice Wine Finger Lakes"]),
    ], since=1988, producers=2),

    # --- France ---
    Region("France", "Bordeaux", [
        S("Still", "Red", "Pauillac", "Cabernet Sauvignon", "bigred", ["Pauillac"]),
        S("Still", "Red", "Margaux", "Cabernet Sauvignon", "bigred", ["Margaux"]),
        S("Still", "Red", "Saint-Julien", "Cabernet Sauvignon", "bigred", ["Saint-Julien"]),
        S("Still", "Red", "Saint-Estèphe", "Cabernet Sauvignon", "bigred", ["Saint-Estèphe"]),
        S("Still", "Red", "Pessac-Léognan", "Cabernet Sauvignon", "bigred", ["Pessac-Léognan"]),
        S("Still", "Red", "Saint-Émilion Grand Cru", "Merlot", "bigred",
          ["Saint-Émilion Grand Cru"]),
        S("Still", "Red", "Pomerol", "Merlot", "bigred", ["Pomerol"]),
        S("Still", "White", "Pessac-Léognan", "Sauvignon Blanc-Sémillon", "richwhite",
          ["Pessac-Léognan Blanc"]),
        S("Still", "White", "Entre-Deux-Mers", "Sauvignon Blanc", "white", ["Entre-Deux-Mers"]),
        S("Still", "Dessert", "Sauternes", "Sémillon", "sweet", ["Sauternes"]),
        S("Still", "Dessert", "Barsac", "Sémillon", "sweet", ["Barsac"]),
    ], producers=20, estates=True),
    Region("France", "Burgundy", [
        S("Still", "Red", "Gevrey-Chambertin", "Pinot Noir", "red",
          ["Gevrey-Chambertin", "Gevrey-Chambertin Les Jeunes Rois"], ("", "Vieilles Vignes")),
        S("Still", "Red", "Chambolle-Musigny", "Pinot Noir", "red", ["Chambolle-Musigny"],
          ("", "Premier Cru")),
        S("Still", "Red", "Vosne-Romanée", "Pinot Noir", "red", ["Vosne-Romanée"],
          ("", "Premier Cru")),
        S("Still", "Red", "Nuits-Saint-Georges", "Pinot Noir", "red",
          ["Nuits-Saint-Georges"], ("", "Premier Cru")),
        S("Still", "Red", "Volnay", "Pinot Noir", "lightred", ["Volnay"], ("", "Premier Cru")),
        S("Still", "Red", "Pommard", "Pinot Noir", "red", ["Pommard"], ("", "Premier Cru")),
        S("Still", "White", "Meursault", "Chardonnay", "richwhite", ["Meursault"],
          ("", "Premier Cru")),
        S("Still", "White", "Puligny-Montrachet", "Chardonnay", "richwhite",
          ["Puligny-Montrachet"], ("", "Premier Cru")),
        S("Still", "White", "Chassagne-Montrachet", "Chardonnay", "richwhite",
          ["Chassagne-Montrachet"], ("", "Premier Cru")),
        S("Still", "White", "Chablis", "Chardonnay", "white", ["Chablis"],
          ("", "Premier Cru", "Grand Cru")),
        S("Still", "White", "Pouilly-Fuissé", "Chardonnay", "richwhite", ["Pouilly-Fuissé"]),
    ], producers=11),
    Region("France", "Rhône Valley", [
        S("Still", "Red", "Hermitage", "Syrah", "bigred", ["Hermitage"]),
        S("Still", "Red", "Côte-Rôtie", "Syrah", "bigred", ["Côte-Rôtie"]),
        S("Still", "Red", "Cornas", "Syrah", "bigred", ["Cornas"]),
        S("Still", "Red", "Crozes-Hermitage", "Syrah", "red", ["Crozes-Hermitage"]),
        S("Still", "Red", "Châteauneuf-du-Pape", "Grenache", "bigred",
          ["Châteauneuf-du-Pape"], ("", "Vieilles Vignes", "Cuvée Réservée")),
        S("Still", "Red", "Gigondas", "Grenache", "red", ["Gigondas"]),
        S("Still", "Red", "Côtes du Rhône", "Grenache", "red", ["Côtes du Rhône"]),
        S("Still", "White", "Condrieu", "Viognier", "aromatic", ["Condrieu"]),
        S("Still", "White", "Châteauneuf-du-Pape", "Grenache Blanc-Roussanne", "richwhite",
          ["Châteauneuf-du-Pape Blanc"]),
        S("Still", "Rosé", "Tavel", "Grenache", "rose", ["Tavel"]),
        S("Fortified", "Dessert", "Muscat de Beaumes-de-Venise", "Muscat", "vdn",
          ["Muscat de Beaumes-de-Venise"]),
    ], producers=10),
    Region("France", "Loire Valley", [
        S("Still", "White", "Sancerre", "Sauvignon Blanc", "white", ["Sancerre"]),
        S("Still", "White", "Pouilly-Fumé", "Sauvignon Blanc", "white", ["Pouilly-Fumé"]),
        S("Still", "White", "Vouvray", "Chenin Blanc", "aromatic", ["Vouvray"], ("Sec", "Demi-Sec")),
        S("Still", "White", "Savennières", "Chenin Blanc", "richwhite", ["Savennières"]),
        S("Still", "Red", "Chinon", "Cabernet Franc", "lightred", ["Chinon"]),
        S("Still", "Red", "Bourgueil", "Cabernet Franc", "lightred", ["Bourgueil"]),
        S("Still", "Dessert", "Coteaux du Layon", "Chenin Blanc", "sweet", ["Coteaux du Layon"]),
        S("Still", "Dessert", "Vouvray", "Chenin Blanc", "sweet", ["Vouvray Moelleux"]),
        S("Sparkling", "White", "Crémant de Loire", "Chenin Blanc", "sparkling",
          ["Crémant de Loire Brut"]),
        S("Still", "Rosé", "Cabernet d'Anjou", "Cabernet Franc", "rose", ["Cabernet d'Anjou"]),
    ], producers=8),
    Region("France", "Alsace", [
        S("Still", "White", "Alsace", "Riesling", "aromatic", ["Riesling Alsace"],
          ("", "Réserve", "Grand Cru")),
        S("Still", "White", "Alsace", "Gewürztraminer", "aromatic",
          ["Gewurztraminer Alsace"], ("", "Grand Cru")),
        S("Still", "White", "Alsace", "Pinot Gris", "aromatic", ["Pinot Gris Alsace"],
          ("", "Réserve")),
        S("Still", "Dessert", "Alsace", "Gewürztraminer", "sweet",
          ["Gewurztraminer Alsace Late Harvest"],
          ("Vendanges Tardives", "Sélection de Grains Nobles")),
        S("Sparkling", "White", "Crémant d'Alsace", "Pinot Blanc", "sparkling",
          ["Crémant d'Alsace Brut"]),
    ], producers=6),
    Region("France", "Champagne", [
        S("Sparkling", "White", "Champagne", "Chardonnay-Pinot Noir", "sparkling",
          ["Brut Champagne", "Brut Millésimé", "Blanc de Blancs Brut"],
          ("", "Grand Cru", "Prestige Cuvée"), nv_share=0.2),
        S("Sparkling", "Rosé", "Champagne", "Pinot Noir-Chardonnay", "sparkling",
          ["Brut Rosé Champagne"], ("",), nv_share=0.3),
    ], producers=7, estates=True),
    Region("France", "Provence", [
        S("Still", "Rosé", "Côtes de Provence", "Grenache-Cinsault", "rose",
          ["Côtes de Provence Rosé"]),
        S("Still", "Rosé", "Bandol", "Mourvèdre", "rose", ["Bandol Rosé"]),
        S("Still", "Red", "Bandol", "Mourvèdre", "bigred", ["Bandol"]),
    ], producers=4),
    Region("France", "Languedoc-Roussillon", [
        S("Still", "Red", "Corbières", "Carignan", "red", ["Corbières"]),
        S("Still", "Red", "Minervois", "Syrah-Grenache", "red", ["Minervois"]),
        S("Still", "Red", "Pic Saint-Loup", "Syrah", "red", ["Pic Saint-Loup"]),
        S("Fortified", "Red", "Banyuls", "Grenache", "vdn", ["Banyuls"], ("", "Rimage")),
        S("Fortified", "Dessert", "Muscat de Rivesaltes", "Muscat", "vdn",
          ["Muscat de Rivesaltes"]),
    ], producers=5),

    # --- Italy ---
    Region("Italy", "Piedmont", [
        S("Still", "Red", "Barolo", "Nebbiolo", "bigred",
          ["Barolo", "Barolo Bricco delle Viole", "Barolo Vigna Rionda"], ("", "Riserva")),
        S("Still", "Red", "Barbaresco", "Nebbiolo", "bigred",
          ["Barbaresco", "Barbaresco Sorì Montestefano"], ("", "Riserva")),
        S("Still", "Red", "Barbera d'Alba", "Barbera", "red", ["Barbera d'Alba"], ("", "Superiore")),
        S("Still", "Red", "Barbera d'Asti", "Barbera", "red", ["Barbera d'Asti"], ("", "Superiore")),
        S("Still", "Red", "Dolcetto d'Alba", "Dolcetto", "lightred", ["Dolcetto d'Alba"]),
        S("Still", "White", "Gavi", "Cortese", "white", ["Gavi di Gavi"]),
        S("Still", "White", "Roero Arneis", "Arneis", "white", ["Roero Arneis"]),
        S("Sparkling", "White", "Moscato d'Asti", "Moscato", "sparkling", ["Moscato d'Asti"]),
    ], producers=10),
    Region("Italy", "Tuscany", [
        S("Still", "Red", "Chianti Classico", "Sangiovese", "red", ["Chianti Classico"],
          ("", "Riserva")),
        S("Still", "Red", "Brunello di Montalcino", "Sangiovese", "bigred",
          ["Brunello di Montalcino"], ("", "Riserva")),
        S("Still", "Red", "Vino Nobile di Montepulciano", "Sangiovese", "red",
          ["Vino Nobile di Montepulciano"], ("", "Riserva")),
        S("Still", "Red", "Bolgheri", "Cabernet Sauvignon", "bigred",
          ["Bolgheri Rosso", "Bolgheri Superiore"]),
        S("Still", "White", "Vernaccia di San Gimignano", "Vernaccia", "white",
          ["Vernaccia di San Gimignano"]),
        S("Still", "Dessert", "Vin Santo del Chianti Classico", "Trebbiano-Malvasia", "sweet",
          ["Vin Santo del Chianti Classico"]),
    ], producers=10),
    Region("Italy", "Veneto", [
        S("Still", "Red", "Amarone della Valpolicella", "Corvina", "bigred",
          ["Amarone della Valpolicella"], ("Classico", "Riserva")),
        S("Still", "Red", "Valpolicella", "Corvina", "lightred", ["Valpolicella"],
          ("Classico", "Classico Superiore", "Ripasso")),
        S("Still", "White", "Soave", "Garganega", "white", ["Soave"], ("Classico",)),
        S("Still", "Dessert", "Recioto di Soave", "Garganega", "sweet", ["Recioto di Soave"]),
        S("Sparkling", "White", "Prosecco di Conegliano-Valdobbiadene", "Prosecco", "sparkling",
          ["Prosecco Brut", "Prosecco Extra Dry"], ("",), nv_share=0.5),
    ], producers=7),
    Region("Italy", "Friuli-Venezia Giulia", [
        S("Still", "White", "Collio", "Tocai Friulano", "white", ["Collio Tocai Friulano"]),
        S("Still", "White", "Collio", "Pinot Grigio", "white", ["Collio Pinot Grigio"]),
        S("Still", "White", "Colli Orientali del Friuli", "Sauvignon Blanc", "white",
          ["Colli Orientali Sauvignon"]),
        S("Still", "Dessert", "Colli Orientali del Friuli", "Picolit", "sweet", ["Picolit"]),
    ], producers=4),
    Region("Italy", "Trentino-Alto Adige", [
        S("Still", "White", "Alto Adige", "Gewürztraminer", "aromatic",
          ["Alto Adige Gewürztraminer"]),
        S("Still", "White", "Alto Adige", "Pinot Bianco", "white", ["Alto Adige Pinot Bianco"]),
        S("Still", "Red", "Alto Adige", "Lagrein", "red", ["Alto Adige Lagrein"], ("", "Riserva")),
        S("Sparkling", "White", "Trento", "Chardonnay", "sparkling", ["Trento Brut"],
          ("", "Riserva")),
    ], producers=4),
    Region("Italy", "Campania", [
        S("Still", "Red", "Taurasi", "Aglianico", "bigred", ["Taurasi"], ("", "Riserva")),
        S("Still", "White", "Fiano di Avellino", "Fiano", "white", ["Fiano di Avellino"]),
        S("Still", "White", "Greco di Tufo", "Greco", "white", ["Greco di Tufo"]),
    ], producers=3),
    Region("Italy", "Sicily", [
        S("Still", "Red", None, "Nero d'Avola", "red", ["Nero d'Avola Sicilia"]),
        S("Still", "Red", "Etna", "Nerello Mascalese", "red", ["Etna Rosso"]),
        S("Fortified", "White", "Marsala", "Grillo", "madeira", ["Marsala Superiore"],
          ("Secco", "Riserva")),
        S("Still", "Dessert", "Passito di Pantelleria", "Zibibbo", "sweet",
          ["Passito di Pantelleria"]),
    ], producers=4),

    # --- Spain ---
    Region("Spain", "Rioja", [
        S("Still", "Red", "Rioja", "Tempranillo", "red", ["Rioja", "Rioja Viña Alta"],
          ("Crianza", "Reserva", "Gran Reserva")),
        S("Still", "White", "Rioja", "Viura", "white", ["Rioja Blanco"], ("", "Crianza")),
        S("Still", "Rosé", "Rioja", "Garnacha", "rose", ["Rioja Rosado"]),
    ], producers=8),
    Region("Spain", "Ribera del Duero", [
        S("Still", "Red", "Ribera del Duero", "Tempranillo", "bigred", ["Ribera del Duero"],
          ("Crianza", "Reserva", "Gran Reserva")),
    ], producers=5),
    Region("Spain", "Priorat", [
        S("Still", "Red", "Priorat", "Garnacha-Cariñena", "bigred",
          ["Priorat", "Priorat Coster Vell"]),
    ], since=1989, producers=4),
    Region("Spain", "Rías Baixas", [
        S("Still", "White", "Rías Baixas", "Albariño", "white", ["Albariño Rías Baixas"]),
    ], producers=3),
    Region("Spain", "Rueda", [
        S("Still", "White", "Rueda", "Verdejo", "white", ["Rueda Verdejo"]),
    ], producers=2),
    Region("Spain", "Navarra", [
        S("Still", "Rosé", "Navarra", "Garnacha", "rose", ["Navarra Rosado"]),
        S("Still", "Red", "Navarra", "Tempranillo-Cabernet Sauvignon", "red", ["Navarra Tinto"],
          ("Crianza", "Reserva")),
    ], producers=3),
    Region("Spain", "Penedès", [
        S("Sparkling", "White", "Cava", "Macabeo-Xarel-lo-Parellada", "sparkling",
          ["Cava Brut", "Cava Brut Nature"], ("", "Reserva", "Gran Reserva"), nv_share=0.5),
        S("Sparkling", "Rosé", "Cava", "Garnacha-Monastrell", "sparkling", ["Cava Rosado Brut"],
          ("",), nv_share=0.5),
        S("Still", "White", "Penedès", "Chardonnay", "richwhite", ["Penedès Chardonnay"]),
    ], producers=4),
    Region("Spain", "Jerez", [
        S("Fortified", "White", "Jerez-Xérès-Sherry", "Palomino", "sherry",
          ["Fino", "Amontillado Viejo", "Oloroso Seco", "Palo Cortado"]),
        S("Fortified", "White", "Manzanilla-Sanlúcar de Barrameda", "Palomino", "sherry",
          ["Manzanilla", "Manzanilla Pasada"]),
        S("Fortified", "Dessert", "Jerez-Xérès-Sherry", "Pedro Ximénez", "tawny",
          ["Pedro Ximénez", "Cream Sherry"]),
    ], producers=5),

    # --- Portugal ---
    Region("Portugal", "Douro", [
        S("Fortified", "Red", "Porto", "Touriga Nacional", "port",
          ["Vintage Port", "Single Quinta Vintage Port"]),
        S("Fortified", "Red", "Porto", "Touriga Nacional", "lbv", ["Late Bottled Vintage Port"]),
        S("Fortified", "Red", "Porto", "Touriga Nacional", "tawny",
          ["10 Year Old Tawny Port", "20 Year Old Tawny Port", "Colheita Port"],
          ),
        S("Fortified", "White", "Porto", "Malvasia Fina", "tawny", ["White Port"], ("",),
          ),
        S("Still", "Red", "Douro", "Touriga Nacional", "red", ["Douro Tinto"], ("", "Reserva")),
    ], producers=9),
    Region("Portugal", "Madeira", [
        S("Fortified", "White", "Madeira", "Sercial", "madeira",
          ["Sercial Madeira", "Sercial Colheita Madeira"], ("", "10 Year Old")),
        S("Fortified", "White", "Madeira", "Verdelho", "madeira",
          ["Verdelho Madeira", "Verdelho Colheita Madeira"], ("", "10 Year Old")),
        S("Fortified", "Dessert", "Madeira", "Malvasia", "madeira",
          ["Malmsey Madeira", "Malmsey Colheita Madeira"],
          ("", "10 Year Old", "15 Year Old")),
        S("Fortified", "Dessert", "Madeira", "Boal", "madeira",
          ["Bual Madeira", "Bual Colheita Madeira"], ("", "10 Year Old")),
    ], producers=3),
    Region("Portugal", "Vinho Verde", [
        S("Still", "White", "Vinho Verde", "Alvarinho", "white", ["Alvarinho Vinho Verde"]),
        S("Still", "White", "Vinho Verde", "Loureiro", "white", ["Loureiro Vinho Verde"]),
    ], producers=2),
    Region("Portugal", "Alentejo", [
        S("Still", "Red", "Alentejo", "Aragonez-Trincadeira", "red", ["Alentejo Tinto"],
          ("", "Reserva", "Garrafeira")),
    ], producers=3),
    Region("Portugal", "Dão", [
        S("Still", "Red", "Dão", "Touriga Nacional", "red", ["Dão Tinto"], ("", "Reserva")),
        S("Still", "White", "Dão", "Encruzado", "white", ["Dão Branco"]),
    ], producers=3),
    Region("Portugal", "Setúbal", [
        S("Fortified", "Dessert", "Moscatel de Setúbal", "Moscatel", "vdn",
          ["Moscatel de Setúbal"], ("", "20 Year Old")),
    ], producers=2),

    # --- Germany ---
    Region("Germany", "Mosel-Saar-Ruwer", [
        S("Still", "White", None, "Riesling", "aromatic",
          ["Riesling Graacher Schieferhang", "Riesling Ürziger Steilkopf",
           "Riesling Piesporter Felsengarten", "Riesling Ockfener Hohenlay"],
          ("Kabinett", "Spätlese", "Auslese")),
        S("Still", "Dessert", None, "Riesling", "sweet",
          ["Riesling Edelsüss Mosel"], ("Beerenauslese", "Trockenbeerenauslese", "Eiswein")),
    ], producers=9),
    Region("Germany", "Rheingau", [
        S("Still", "White", None, "Riesling", "aromatic",
          ["Riesling Rüdesheimer Burgweg", "Riesling Hattenheimer Sonnhalde"],
          ("Kabinett", "Spätlese", "Erstes Gewächs")),
        S("Still", "Red", None, "Spätburgunder", "lightred", ["Spätburgunder Assmannshausen"],
          ("", "Trocken")),
        S("Still", "Dessert", None, "Riesling", "sweet", ["Riesling Edelsüss Rheingau"],
          ("Beerenauslese", "Eiswein")),
    ], producers=5),
    Region("Germany", "Pfalz", [
        S("Still", "White", None, "Riesling", "aromatic",
          ["Riesling Forster Hochgewann", "Riesling Deidesheimer Kieselberg"],
          ("Kabinett Trocken", "Spätlese Trocken", "Auslese")),
        S("Still", "White", None, "Weissburgunder", "white", ["Weissburgunder Pfalz"], ("Trocken",)),
        S("Still", "Red", None, "Spätburgunder", "lightred", ["Spätburgunder Pfalz"], ("Trocken",)),
    ], producers=5),
    Region("Germany", "Nahe", [
        S("Still", "White", None, "Riesling", "aromatic",
          ["Riesling Niederhäuser Steinwand", "Riesling Monzinger Felsenberg"],
          ("Kabinett", "Spätlese", "Auslese")),
    ], producers=3),
    Region("Germany", "Baden", [
        S("Still", "Red", None, "Spätburgunder", "lightred", ["Spätburgunder Kaiserstuhl"],
          ("Trocken", "Spätlese Trocken")),
        S("Still", "White", None, "Grauburgunder", "white", ["Grauburgunder Kaiserstuhl"],
          ("Trocken",)),
    ], producers=3),
    Region("Germany", "All Regions", [
        S("Sparkling", "White", None, "Riesling", "sparkling", ["Riesling Sekt Brut"],
          ("", "Extra Brut")),
    ], producers=2),

    # --- Austria ---
    Region("Austria", "Wachau", [
        S("Still", "White", None, "Grüner Veltliner", "white",
          ["Grüner Veltliner Wachau", "Grüner Veltliner Ried Hochrain"],
          ("Federspiel", "Smaragd")),
        S("Still", "White", None, "Riesling", "aromatic", ["Riesling Wachau"],
          ("Federspiel", "Smaragd")),
    ], producers=5),
    Region("Austria", "Kamptal", [
        S("Still", "White", None, "Grüner Veltliner", "white", ["Grüner Veltliner Kamptal"],
          ("", "Reserve")),
        S("Still", "White", None, "Riesling", "aromatic", ["Riesling Kamptal"], ("", "Reserve")),
    ], producers=3),
    Region("Austria", "Burgenland", [
        S("Still", "Red", None, "Blaufränkisch", "red", ["Blaufränkisch Mittelburgenland"],
          ("", "Reserve")),
        S("Still", "Red", None, "Zweigelt", "lightred", ["Zweigelt Burgenland"]),
        S("Still", "Dessert", None, "Welschriesling", "sweet", ["Welschriesling Neusiedlersee"],
          ("Beerenauslese", "Trockenbeerenauslese", "Ausbruch")),
    ], producers=4),

    # --- Australia ---
    Region("Australia", "Barossa Valley", [
        S("Still", "Red", None, "Shiraz", "bigred",
          ["Shiraz Barossa Valley", "Old Block Shiraz Barossa Valley"], ("", "Old Vines")),
        S("Still", "Red", None, "Grenache", "red", ["Grenache Barossa Valley"], ("", "Bush Vine")),
        S("Still", "White", None, "Semillon", "white", ["Semillon Barossa Valley"]),
        S("Fortified", "Red", None, "Shiraz-Grenache", "tawny", ["Barossa Tawny"],
          ("", "Very Old")),
    ], producers=7),
    Region("Australia", "McLaren Vale", [
        S("Still", "Red", None, "Shiraz", "bigred", ["Shiraz McLaren Vale"], RESERVE),
        S("Still", "Red", None, "Grenache", "red", ["Grenache McLaren Vale"]),
    ], producers=4),
    Region("Australia", "Coonawarra", [
        S("Still", "Red", None, "Cabernet Sauvignon", "bigred",
          ["Cabernet Sauvignon Coonawarra"], ("", "Terra Rossa Reserve")),
        S("Still", "Red", None, "Shiraz", "red", ["Shiraz Coonawarra"]),
    ], producers=4),
    Region("Australia", "Clare Valley", [
        S("Still", "White", None, "Riesling", "aromatic", ["Riesling Clare Valley"],
          ("", "Watervale")),
    ], producers=3),
    Region("Australia", "Eden Valley", [
        S("Still", "White", None, "Riesling", "aromatic", ["Riesling Eden Valley"]),
    ], producers=2),
    Region("Australia", "Hunter Valley", [
        S("Still", "White", None, "Semillon", "richwhite", ["Semillon Hunter Valley"],
          ("", "Reserve")),
        S("Still", "Red", None, "Shiraz", "red", ["Shiraz Hunter Valley"]),
    ], producers=3),
    Region("Australia", "Margaret River", [
        S("Still", "Red", None, "Cabernet Sauvignon", "bigred",
          ["Cabernet Sauvignon Margaret River"], RESERVE),
        S("Still", "White", None, "Chardonnay", "richwhite", ["Chardonnay Margaret River"],
          RESERVE),
        S("Still", "White", None, "Sauvignon Blanc-Semillon", "white",
          ["Semillon Sauvignon Blanc Margaret River"]),
    ], producers=5),
    Region("Australia", "Yarra Valley", [
        S("Still", "Red", None, "Pinot Noir", "lightred", ["Pinot Noir Yarra Valley"]),
        S("Still", "White", None, "Chardonnay", "richwhite", ["Chardonnay Yarra Valley"]),
        S("Sparkling", "White", None, "Chardonnay-Pinot Noir", "sparkling",
          ["Yarra Valley Brut"]),
    ], producers=4),
    Region("Australia", "Rutherglen", [
        S("Fortified", "Dessert", None, "Muscat", "tawny", ["Rutherglen Muscat"],
          ("", "Grand", "Rare")),
        S("Fortified", "Dessert", None, "Muscadelle", "tawny", ["Rutherglen Tokay"],
          ("", "Grand")),
    ], producers=3),
    Region("Australia", "Tasmania", [
        S("Sparkling", "White", None, "Chardonnay-Pinot Noir", "sparkling",
          ["Tasmania Brut", "Tasmania Blanc de Blancs"]),
        S("Still", "Red", None, "Pinot Noir", "lightred", ["Pinot Noir Tasmania"]),
    ], since=1990, producers=3),

    # --- New Zealand ---
    Region("New Zealand", "Marlborough", [
        S("Still", "White", None, "Sauvignon Blanc", "white",
          ["Sauvignon Blanc Marlborough", "Sauvignon Blanc Wairau Valley"], ("", "Reserve")),
        S("Still", "Red", None, "Pinot Noir", "lightred", ["Pinot Noir Marlborough"]),
        S("Still", "White", None, "Riesling", "aromatic", ["Riesling Marlborough"]),
        S("Still", "Dessert", None, "Riesling", "sweet", ["Noble Riesling Marlborough"]),
        S("Sparkling", "White", None, "Chardonnay-Pinot Noir", "sparkling",
          ["Marlborough Brut"]),
    ], producers=7),
    Region("New Zealand", "Central Otago", [
        S("Still", "Red", None, "Pinot Noir", "lightred",
          ["Pinot Noir Central Otago", "Pinot Noir Bannockburn"], ("", "Reserve")),
    ], since=1992, producers=4),
    Region("New Zealand", "Hawke's Bay", [
        S("Still", "Red", None, "Merlot-Cabernet Sauvignon", "red",
          ["Merlot Cabernet Hawke's Bay"], ("", "Reserve")),
        S("Still", "Red", None, "Syrah", "red", ["Syrah Hawke's Bay"]),
        S("Still", "White", None, "Chardonnay", "richwhite", ["Chardonnay Hawke's Bay"],
          RESERVE),
    ], producers=4),
    Region("New Zealand", "Martinborough", [
        S("Still", "Red", None, "Pinot Noir", "lightred", ["Pinot Noir Martinborough"]),
    ], since=1988, producers=2),

    # --- Chile ---
    Region("Chile", "Maipo Valley", [
        S("Still", "Red", None, "Cabernet Sauvignon", "bigred",
          ["Cabernet Sauvignon Maipo Valley", "Cabernet Sauvignon Puente Alto"],
          ("", "Reserva", "Gran Reserva")),
    ], producers=5),
    Region("Chile", "Colchagua Valley", [
        S("Still", "Red", None, "Carmenère", "red", ["Carmenère Colchagua Valley"],
          ("", "Reserva")),
        S("Still", "Red", None, "Merlot", "red", ["Merlot Colchagua Valley"], ("", "Reserva")),
        S("Still", "Red", None, "Syrah", "red", ["Syrah Apalta"]),
    ], since=1990, producers=4),
    Region("Chile", "Casablanca Valley", [
        S("Still", "White", None, "Sauvignon Blanc", "white",
          ["Sauvignon Blanc Casablanca Valley"], ("", "Reserva")),
        S("Still", "White", None, "Chardonnay", "richwhite", ["Chardonnay Casablanca Valley"],
          ("", "Reserva")),
    ], since=1992, producers=3),

    # --- Argentina ---
    Region("Argentina", "Mendoza", [
        S("Still", "Red", None, "Malbec", "red",
          ["Malbec Mendoza", "Malbec Luján de Cuyo", "Malbec Uco Valley"],
          ("", "Reserva", "Old Vines")),
        S("Still", "Red", None, "Cabernet Sauvignon", "bigred", ["Cabernet Sauvignon Mendoza"],
          ("", "Reserva")),
        S("Still", "White", None, "Chardonnay", "richwhite", ["Chardonnay Tupungato"]),
        S("Sparkling", "White", None, "Chardonnay-Pinot Noir", "sparkling",
          ["Mendoza Extra Brut"]),
    ], producers=7),
    Region("Argentina", "Salta", [
        S("Still", "White", None, "Torrontés", "aromatic", ["Torrontés Cafayate"]),
        S("Still", "Red", None, "Malbec", "red", ["Malbec Cafayate"]),
    ], producers=3),
    Region("Argentina", "Patagonia", [
        S("Still", "Red", None, "Pinot Noir", "lightred", ["Pinot Noir Río Negro"]),
        S("Still", "Red", None, "Merlot", "red", ["Merlot Neuquén"]),
    ], since=1995, producers=2),

    # --- South Africa ---
    Region("South Africa", "Stellenbosch", [
        S("Still", "Red", None, "Pinotage", "red", ["Pinotage Stellenbosch"], ("", "Reserve")),
        S("Still", "Red", None, "Cabernet Sauvignon", "bigred",
          ["Cabernet Sauvignon Stellenbosch", "Cabernet Sauvignon Simonsberg"], RESERVE),
        S("Still", "White", None, "Chenin Blanc", "white", ["Chenin Blanc Stellenbosch"],
          ("", "Old Vines")),
    ], producers=6),
    Region("South Africa", "Paarl", [
        S("Still", "Red", None, "Shiraz", "red", ["Shiraz Paarl"]),
        S("Still", "White", None, "Chenin Blanc", "white", ["Chenin Blanc Paarl"]),
        S("Fortified", "Red", None, "Tinta Barocca", "port", ["Cape Vintage Paarl"]),
    ], producers=4),
    Region("South Africa", "Constantia", [
        S("Still", "White", None, "Sauvignon Blanc", "white", ["Sauvignon Blanc Constantia"]),
        S("Still", "Dessert", None, "Muscat de Frontignan", "sweet",
          ["Natural Sweet Muscat Constantia"]),
    ], producers=3),
    Region("South Africa", "Walker Bay", [
        S("Still", "Red", None, "Pinot Noir", "lightred", ["Pinot Noir Walker Bay"]),
        S("Still", "White", None, "Chardonnay", "richwhite", ["Chardonnay Walker Bay"]),
    ], since=1988, producers=2),
    Region("South Africa", "Franschhoek", [
        S("Sparkling", "White", None, "Chardonnay-Pinot Noir", "sparkling",
          ["Cap Classique Brut"]),
        S("Still", "White", None, "Semillon", "richwhite", ["Semillon Franschhoek"]),
    ], producers=2),
]

# ---------------------------------------------------------------------------
# Producers: invented names in the manner of each country. None of them is
# the name of a real estate; they are coined from syllables and place words.
# ---------------------------------------------------------------------------

PRODUCER_NAMES = {
    "U.S.": [
        "Alderkin Vineyards", "Brackwell Cellars", "Caddenhill Winery", "Dunmorrow Estate",
        "Elsmere Family Vineyards", "Fallowmere Cellars", "Garrowby Wine Company",
        "Hollisfield Vineyards", "Ivorsen Cellars", "Jessop Hollow Winery",
        "Kestrelmoor Vineyards", "Larkmoor Estate", "Merriwell Cellars", "Norcastle Winery",
        "Ostlund Family Wines", "Pellham Row Vineyards", "Quarrington Cellars",
        "Redlow Creek Winery", "Sallowbrook Vineyards", "Thistlecombe Estate",
        "Upcott Cellars", "Vandermoor Vineyards", "Wexhall Winery", "Yarrowby Estate",
        "Ashcombe Bench Vineyards", "Brindlecourt Cellars", "Corwen Flat Winery",
        "Dellacroft Vineyards", "Embry Lane Cellars", "Fairlight Bench Winery",
        "Greyhollow Estate", "Halloran Gap Vineyards", "Ingleby Crest Cellars",
    ],
    "France": [
        "Château Vérancelle", "Château Moustrelle", "Château Lauzaguet", "Château Belvaret",
        "Château Tauzinel", "Château Castelvigne", "Château Sorbelle", "Château Montis-Lanère",
        "Château Peychaudon", "Château Ruffignac", "Clos des Aubrelles", "Château Marbusquet",
        "Château Haut-Fenouillet", "Château Brussagne", "Château Pradeilles",
        "Château Couvrelac", "Château Jonqueyrac", "Château Vignolle-Hautmont",
        "Château Ferrassac", "Château Lestournel", "Domaine Aubriot-Vasselin", "Domaine Mercellier",
        "Domaine Vaudrillon", "Domaine Fabrice Ronchaud", "Domaine Lemoussy",
        "Maison Berthevin", "Domaine Garnaudet", "Domaine Hélène Sauvestre",
        "Domaine des Sablières Blanches", "Domaine Tixerand Père et Fils",
        "Domaine Nauvillon", "Domaine de la Combe Ferrade", "Domaine Pélissou",
        "Maison Veyranne", "Domaine du Clos Sauvanel", "Domaine Rouvaillac",
        "Domaine des Cailloux Rouges", "Domaine Arnoux-Ferrand", "Domaine Jacquemol",
        "Domaine des Tourettes Grises", "Domaine Bérangier",
        "Domaine Chaverieux", "Domaine de la Taille Ronde", "Clos Vaubreuil",
        "Domaine Bonnardel", "Domaine Maupertin", "Domaine Lhériteau",
        "Domaine de la Noue Fleurie", "Domaine Girardeau-Sicot",
        "Domaine Kesselmatt", "Maison Ehrhold", "Domaine Schaufelbach", "Domaine Wendlinger",
        "Domaine Hirtzel-Gass", "Domaine Albrecht-Zimmer",
        "Champagne Maurevault", "Champagne Fréminel", "Champagne Aubrecourt",
        "Champagne Vautrinel", "Champagne Lescarbot", "Champagne Dormoy-Savart",
        "Champagne Hennequart",
        "Château Sainte-Ausbergue", "Domaine du Mas Calvérie", "Domaine de la Bastide Ombrée",
        "Château Lumeyrac", "Mas de la Serre Bleue", "Domaine Cazelvert",
        "Domaine des Trois Cyprès", "Domaine Fontanilhe", "Domaine Sarradel",
    ],
    "Italy": [
        "Cascina Morgavi", "Azienda Agricola Telvetti", "Cantina Bressolio", "Poderi Vallenzi",
        "Cascina Rovedasca", "Tenuta Carpellone", "Cantina Ghisetta", "Poderi Marvasca",
        "Azienda Agricola Sandrolini", "Cascina Brunetta Alta",
        "Tenuta Poggio Valdarca", "Fattoria di Sassoalto", "Podere Cavalenzo",
        "Castello di Montebrugi", "Tenuta La Fornacella", "Podere Le Cerretaie",
        "Fattoria Ormelvi", "Tenuta Montericcio", "Podere Casalvento", "Tenuta Il Grifolo",
        "Cantina Zanverdi", "Villa Rasenigo", "Corte Albarella", "Tenuta Ca' Moreschi",
        "Azienda Agricola Franzolin-Toso", "Corte Pignatta", "Cantina Valdalpone Alta",
        "Borgo Salvenzi", "Vigne di Ronchetto", "Azienda Agricola Zorutti", "Ronco delle Mele Rosse",
        "Cantina Dolomella", "Maso Pradelle", "Tenuta Ebnerhof", "Cantina Sella Ferrana",
        "Cantine Irpinello", "Tenuta Vallebruna", "Masseria Sant'Alfeo",
        "Tenuta Rocca Nivera", "Cantine Scirvello", "Baglio Terralonga", "Tenuta Ciavolaro",
    ],
    "Spain": [
        "Bodegas Valdeolmo", "Bodegas Larrazuri", "Viñedos de Sotorrubio",
        "Bodegas Hermanos Arratibel", "Bodegas Montalvar", "Bodegas Castrovid",
        "Bodegas Ugarrieta", "Bodegas Cerro Lanciego",
        "Bodegas Peñalbar", "Pago de Valdesanz", "Bodegas Monte Aranzo", "Bodegas Quintanar Viejo",
        "Viñedos del Cerro Pardo",
        "Celler Costanyers", "Mas de l'Olivera Vella", "Celler Vall Fosca", "Celler Roques Negres",
        "Pazo de Loureda", "Adega Vilaseco", "Pazo Albeiros",
        "Bodegas Verdemar", "Bodegas Nava del Trigo",
        "Bodegas Ribafría", "Bodegas Ermita del Cierzo", "Señorío de Lumbier",
        "Caves Rovellat Grau", "Castell de Fontalba", "Caves Sant Feliuà", "Masia Cal Pujades",
        "Bodegas Caladero Viejo", "Bodegas Monteburgo", "Bodegas Albariza Real",
        "Bodegas Hijos de Ruiz Arjona", "Bodegas La Sacristía Alta",
    ],
    "Portugal": [
        "Harcourt & Sousa", "Quinta da Urzelina", "Malvern Port", "Quinta do Vale Escuro",
        "Quinta da Serra Alta", "Quinta dos Moinhos Velhos", "Quinta do Carvalhal Novo",
        "Ashworth & Lobo", "Quinta da Fraga Negra",
        "Casa Abelheira", "Vinhos Teixeira Lume", "Companhia do Ilhéu Chão",
        "Quinta de Souselo", "Casa de Vilarinho Seco",
        "Herdade das Azinheiras Altas", "Herdade do Monte Fidalgo", "Herdade da Coutada Velha",
        "Quinta da Pedra Moura", "Quinta do Penedo Alvo", "Casa de Santar Velha",
        "Adega do Sado Velho", "Casa das Arrábidas",
    ],
    "Germany": [
        "Haldenbrunn", "Ottmar Steinrieder", "Jakob Wendelstein",
        "Laufenthal-Bracht", "Freiherr von Ahrenfeld", "Brückhaus",
        "Lindenhof-Ergel", "Schloss Hartenau", "Rautenberg",
        "Kirchner-Ebel", "Anton Felsbach", "Gebrüder Wolkenstein",
        "Mathilde Ruppertz", "Eulenhof", "Sebastian Mauracher",
        "Hollerbach-Kreis", "Rebenhof Tiefental", "Konrad Altenau",
        "Dietmar Sperling", "Zehntkeller Brenz", "Ilse Hackländer",
        "Burg Eschenrod", "Wilhelm Obersteg", "Grafenmühle",
        "Peter Scheuerlein",
        "Sektkellerei Lerchenfeld", "Sektkellerei Brenndorf",
    ],
    "Austria": [
        "Aichenbrunner", "Pölzleithner", "Ferdinand Zaunegger",
        "Stockhammer-Reiter", "Hofer-Lindtal", "Gmeinbauer",
        "Leopold Strasshofer", "Kienzl-Moser", "Theresia Grubauer",
        "Ziegelhof", "Paul Wachtler", "Seewinkelhof",
    ],
    "Australia": [
        "Kelderby Estate", "Mallowbank Wines", "Tarrangower Hill", "Ferncastle Estate",
        "Quoll Hill Vineyards", "Gumbarra Estate", "Brannock Vale Wines", "Tindall Flat",
        "Cobbler's Gully", "Saltbush Plains", "Harkaway Cellars", "Dunleigh Estate",
        "Marnoo Hill", "Wattlebrook Wines", "Ironbark Crossing", "Pardalote Estate",
        "Stringybark Creek", "Coolabah Downs", "Bellbird Rise", "Kookynie Vineyards",
        "Merrigal Estate", "Shearwater Point", "Red Gum Paddock", "Drover's Rest Wines",
        "Sandy Knoll Vineyards", "Lyrebird Gully", "Mossvale Springs", "Galah Flat Wines",
        "Corella Bend", "Brolga Ridge Estate", "Wombat Hollow Wines", "Blackwood Siding",
        "Echidna Hill", "Tallowood Estate", "Currawong Park Wines", "Jindera Creek",
        "Kerang Downs Vineyards", "Ghost Gum Cellars",
    ],
    "New Zealand": [
        "Harbourlight Estate", "Moa Flat Vineyards", "Kestle Downs", "Pinnacle Terrace",
        "Tarnwood Estate", "Colville Bluff", "Riverstone Terrace Wines", "Kea Point",
        "Tussock Saddle Vineyards", "Fantail Bay Wines", "Shingle Fan Estate", "Totara Bend",
        "Manuka Flat Wines", "Weka Valley Vineyards", "Pukeko Spur", "Tui Gully Estate",
        "Rimu Terrace", "Bellringer Hills",
    ],
    "Chile": [
        "Viña Los Peumos Altos", "Viña Tralcahue", "Viña Piedra Lunar", "Viña Maitenal",
        "Viña Pangue Viejo", "Viña Quillayes", "Viña Cerro Colorado Alto", "Viña Loma Litre",
        "Viña Boldo Grande", "Viña Las Perdices Negras", "Viña Aguas Claras de Curacaví",
        "Viña Quintral",
    ],
    "Argentina": [
        "Bodega Altos de Pircas", "Finca Las Tunas Viejas", "Bodega Medrano Soler",
        "Finca El Zonda Alto", "Bodega Cumbre Pehuén", "Finca Los Algarrobos",
        "Bodega Tres Acequias", "Bodega Cardón Blanco", "Finca Quebrada del Toro",
        "Bodega Piedra Mora", "Bodega Laguna Malleo", "Finca Chañar Seco",
    ],
    "South Africa": [
        "Bosveld Heuwel", "Soetvlei Wine Farm", "Hoogkraal Estate", "Dassiekop Vineyards",
        "Witkrantz Estate", "Keurbos Cellars", "Swartdam Estate", "Elandsdrift Wines",
        "Suikerbos Estate", "Klipspringer Kloof", "Renosterveld Cellars", "Fynbos Hill Wines",
        "Tortelduif Estate", "Vaalrivier Vineyards", "Proteaberg Estate", "Sandveld Cellars",
        "Bokmakierie Wine Farm",
    ],
}

# German and Austrian estates go by their names alone ("Weingut" is left
# off, as wine lists do), so they spread over the alphabetical segments.

# Quality tiers of producers: the mean score of their wines.
TIERS = [
    (92.0, "Outstanding"),
    (88.5, "Excellent"),
    (85.5, "Very Good"),
    (82.0, "Good"),
]
TIER_WEIGHTS = [1, 3, 4, 2]

# Designations that mark a producer's better bottling of a product; they
# raise the expected score a little and appear only in better vintages.
PREMIUM_DESIGNATIONS = {
    "Reserve": 2, "Private Reserve": 3, "Estate Bottled": 1, "Old Vines": 2,
    "Vieilles Vignes": 2, "Premier Cru": 2, "Grand Cru": 3, "Cuvée Réservée": 2,
    "Riserva": 2, "Superiore": 1, "Classico Superiore": 1, "Reserva": 1,
    "Gran Reserva": 3, "Prestige Cuvée": 4, "Late Disgorged": 3, "Smaragd": 2,
    "Spätlese": 1, "Auslese": 3, "Erstes Gewächs": 3, "Spätlese Trocken": 1,
    "Beerenauslese": 3, "Trockenbeerenauslese": 5, "Eiswein": 4, "Ausbruch": 3,
    "Sélection de Grains Nobles": 4, "Vendanges Tardives": 1, "Réserve": 1,
    "Terra Rossa Reserve": 3, "Grand": 3, "Rare": 6, "Very Old": 3, "Bush Vine": 1,
    "Garrafeira": 3, "Vintage": 4, "15 Year Old": 2, "20 Year Old": 3, "Watervale": 1,
    "Ripasso": 1, "Extra Brut": 1,
}

# ---------------------------------------------------------------------------
# Tasting-note phrase banks
# ---------------------------------------------------------------------------

# Fruit and accent words by grape; blends ("A-B") draw from both parts.
GRAPE_NOTES = {
    "Cabernet Sauvignon": (["black currant", "cassis", "blackberry", "black cherry", "plum"],
                           ["cedar", "graphite", "tobacco leaf", "mint", "sage", "dark chocolate",
                            "espresso", "pencil shavings"]),
    "Merlot": (["plum", "black cherry", "blueberry", "mulberry"],
               ["mocha", "truffle", "cocoa", "violet", "toasty oak", "dried herbs"]),
    "Cabernet Franc": (["raspberry", "red currant", "black cherry"],
                       ["pencil lead", "violet", "bell pepper", "graphite", "fresh herbs"]),
    "Pinot Noir": (["red cherry", "raspberry", "strawberry", "cranberry", "black cherry"],
                   ["forest floor", "rose petal", "baking spice", "mushroom", "cola", "earth"]),
    "Spätburgunder": (["red cherry", "raspberry", "redcurrant"],
                      ["forest floor", "smoke", "baking spice", "earth"]),
    "Syrah": (["blackberry", "plum", "boysenberry", "blueberry"],
              ["black pepper", "smoked meat", "licorice", "black olive", "violet", "bacon fat"]),
    "Shiraz": (["blackberry", "plum", "blueberry", "mulberry", "black cherry"],
               ["mocha", "black pepper", "licorice", "vanilla", "eucalyptus", "dark chocolate"]),
    "Grenache": (["kirsch", "raspberry", "strawberry", "red plum"],
                 ["garrigue", "lavender", "white pepper", "dried herbs", "leather"]),
    "Garnacha": (["kirsch", "raspberry", "strawberry", "red plum"],
                 ["dried herbs", "white pepper", "licorice", "mineral"]),
    "Cariñena": (["black cherry", "fig"], ["licorice", "slate", "dried herbs"]),
    "Carignan": (["black cherry", "bramble", "plum"], ["garrigue", "licorice", "earth"]),
    "Cinsault": (["strawberry", "red currant"], ["white flowers", "herbs"]),
    "Mourvèdre": (["blackberry", "plum", "black cherry"],
                  ["leather", "game", "garrigue", "black olive", "earth"]),
    "Zinfandel": (["bramble", "blackberry", "raspberry", "dark cherry"],
                  ["black pepper", "clove", "anise", "sweet spice"]),
    "Nebbiolo": (["sour cherry", "red currant", "dried cherry"],
                 ["tar", "rose", "licorice", "truffle", "dried herbs", "leather"]),
    "Sangiovese": (["sour cherry", "red plum", "cranberry"],
                   ["tea leaf", "tobacco", "dried herbs", "leather", "terracotta"]),
    "Barbera": (["black cherry", "red plum", "mulberry"], ["spice", "vanilla", "earth"]),
    "Dolcetto": (["black cherry", "plum"], ["almond", "violet"]),
    "Corvina": (["sour cherry", "dried cherry", "raisin", "fig"],
                ["bitter chocolate", "spice", "almond", "tobacco"]),
    "Lagrein": (["blackberry", "dark plum"], ["cocoa", "violet", "earth"]),
    "Aglianico": (["black cherry", "plum", "blackberry"],
                  ["smoke", "tar", "leather", "volcanic earth"]),
    "Nero d'Avola": (["black cherry", "plum", "mulberry"], ["licorice", "sweet spice", "cocoa"]),
    "Nerello Mascalese": (["red cherry", "wild strawberry"], ["volcanic ash", "dried herbs", "tea"]),
    "Tempranillo": (["red cherry", "plum", "strawberry"],
                    ["vanilla", "dill", "leather", "tobacco", "coconut", "sweet spice"]),
    "Touriga Nacional": (["blackberry", "black cherry", "plum"],
                         ["violet", "rockrose", "licorice", "dark chocolate"]),
    "Tinta Barocca": (["plum", "blackberry"], ["chocolate", "spice"]),
    "Aragonez": (["red cherry", "plum"], ["spice", "vanilla"]),
    "Trincadeira": (["blackberry"], ["pepper", "herbs"]),
    "Malbec": (["plum", "blackberry", "black cherry", "damson"],
               ["violet", "cocoa", "sweet spice", "leather"]),
    "Carmenère": (["blackberry", "plum"], ["green pepper", "paprika", "dark chocolate", "coffee"]),
    "Pinotage": (["mulberry", "plum", "bramble"], ["smoke", "roasted coffee", "tar", "earth"]),
    "Blaufränkisch": (["black cherry", "blackberry", "sour cherry"],
                      ["pepper", "graphite", "spice"]),
    "Zweigelt": (["red cherry", "raspberry"], ["pepper", "violet"]),
    "Chardonnay": (["apple", "pear", "lemon curd", "pineapple", "peach"],
                   ["butter", "toasted hazelnut", "vanilla", "brioche", "flint", "oak spice"]),
    "Sauvignon Blanc": (["grapefruit", "lime", "gooseberry", "passion fruit", "green apple"],
                        ["cut grass", "flint", "nettle", "fresh herbs", "chalk"]),
    "Sémillon": (["lemon", "fig", "quince"], ["lanolin", "toast", "honey", "beeswax"]),
    "Semillon": (["lemon", "lime", "quince"], ["lanolin", "toast", "honey", "beeswax"]),
    "Riesling": (["lime", "green apple", "white peach", "apricot", "nectarine"],
                 ["slate", "petrol", "honeysuckle", "wet stone", "ginger"]),
    "Chenin Blanc": (["quince", "baked apple", "pear", "lemon"],
                     ["honey", "beeswax", "chamomile", "chalk"]),
    "Gewürztraminer": (["lychee", "pink grapefruit", "mango"],
                       ["rose petal", "ginger", "cinnamon", "musk"]),
    "Pinot Gris": (["pear", "white peach", "melon", "apple"], ["almond", "honey", "smoke", "spice"]),
    "Pinot Grigio": (["pear", "green apple", "lemon"], ["almond", "white flowers"]),
    "Grauburgunder": (["pear", "yellow apple"], ["almond", "smoke", "spice"]),
    "Pinot Blanc": (["apple", "pear"], ["almond", "white flowers", "cream"]),
    "Pinot Bianco": (["apple", "pear"], ["almond", "white flowers"]),
    "Weissburgunder": (["apple", "pear", "melon"], ["almond", "cream", "white flowers"]),
    "Viognier": (["apricot", "peach", "tangerine"], ["honeysuckle", "orange blossom", "ginger"]),
    "Grenache Blanc": (["pear", "melon"], ["fennel", "honey", "white flowers"]),
    "Roussanne": (["quince", "apricot"], ["honey", "herbal tea", "beeswax"]),
    "Grüner Veltliner": (["green apple", "lime", "white peach"],
                         ["white pepper", "lentil", "celery", "tobacco"]),
    "Albariño": (["peach", "lime", "apricot", "grapefruit"], ["sea spray", "salt", "blossom"]),
    "Alvarinho": (["lime", "peach", "grapefruit"], ["sea spray", "blossom"]),
    "Loureiro": (["lemon", "green apple"], ["bay leaf", "orange blossom"]),
    "Encruzado": (["lemon", "pear"], ["resin", "nutmeg", "mineral"]),
    "Verdejo": (["lime", "green apple", "fennel"], ["fresh herbs", "bitter almond"]),
    "Viura": (["lemon", "apple"], ["almond", "vanilla"]),
    "Macabeo": (["green apple", "lemon"], ["almond"]),
    "Xarel-lo": (["pear"], ["earth", "fennel"]),
    "Parellada": (["apple"], ["white flowers"]),
    "Cortese": (["lemon", "green apple"], ["almond", "mineral"]),
    "Arneis": (["pear", "white peach"], ["almond", "chamomile"]),
    "Vernaccia": (["lemon", "green apple"], ["bitter almond", "mineral"]),
    "Garganega": (["lemon", "pear", "white peach"], ["almond", "chamomile", "mineral"]),
    "Tocai Friulano": (["pear", "green apple"], ["almond", "wild herbs"]),
    "Fiano": (["pear", "hazelnut", "quince"], ["honey", "smoke", "mineral"]),
    "Greco": (["peach", "lemon"], ["almond", "mineral"]),
    "Torrontés": (["peach", "lychee", "lemon"], ["rose petal", "orange blossom"]),
    "Moscato": (["peach", "apricot", "orange"], ["orange blossom", "sage"]),
    "Muscat": (["apricot", "orange peel", "grape"], ["orange blossom", "honey", "rose"]),
    "Moscatel": (["orange peel", "apricot", "raisin"], ["honey", "caramel", "spice"]),
    "Muscat de Frontignan": (["apricot", "orange peel", "mango"], ["honey", "spice"]),
    "Muscadelle": (["raisin", "butterscotch"], ["malt", "tea leaf", "toffee"]),
    "Welschriesling": (["apricot", "pineapple"], ["honey", "citrus peel"]),
    "Trebbiano": (["dried apricot", "fig"], ["hazelnut", "honey"]),
    "Malvasia": (["dried apricot", "raisin", "orange peel"], ["caramel", "walnut", "honey"]),
    "Malvasia Fina": (["dried apricot", "orange peel"], ["almond", "honey"]),
    "Picolit": (["apricot", "candied peach"], ["acacia honey", "almond"]),
    "Zibibbo": (["dried apricot", "fig", "raisin"], ["honey", "orange blossom"]),
    "Palomino": (["green apple"], ["almond", "sea salt", "bread dough", "walnut"]),
    "Pedro Ximénez": (["raisin", "fig", "date"], ["molasses", "coffee", "licorice"]),
    "Grillo": (["dried apricot", "orange peel"], ["walnut", "caramel", "almond"]),
    "Sercial": (["lemon peel", "green apple"], ["almond", "walnut", "smoke"]),
    "Verdelho": (["dried apricot", "orange peel"], ["walnut", "smoke", "caramel"]),
    "Boal": (["fig", "raisin"], ["toffee", "coffee", "walnut"]),
}

# Sentences about body and structure, by the kind of wine and score band.
STRUCTURE = {
    "red": {
        "top": ["Dense and layered, with ripe, polished tannins.",
                "Powerful yet refined, with a firm backbone of fine-grained tannins.",
                "Deep and seamless, with real concentration.",
                "Full-bodied and muscular, but never heavy.",
                "Beautifully balanced, with great depth and a silky texture.",
                "Tightly wound now, with a core of dense fruit."],
        "good": ["Medium- to full-bodied, with supple tannins.",
                 "Well structured and fresh.",
                 "Round and generous, with ripe tannins.",
                 "Firm but approachable.",
                 "Plush texture, well balanced.",
                 "Focused and lively on the palate."],
        "fair": ["Medium-bodied and straightforward.",
                 "Pleasant, if a little simple.",
                 "Soft and easygoing.",
                 "A touch lean in the middle."],
        "poor": ["Thin and a bit diluted.",
                 "Green, drying tannins.",
                 "Lacks concentration.",
                 "Tart and hollow on the palate."],
    },
    "white": {
        "top": ["Racy and intense, with great purity.",
                "Rich yet precise, with a long mineral thread.",
                "Layered and vibrant, with superb balance.",
                "Concentrated and creamy, lifted by bright acidity.",
                "Crystalline and deep, with remarkable length."],
        "good": ["Crisp and lively, with good depth.",
                 "Fresh acidity keeps it lively.",
                 "Medium-bodied and well balanced.",
                 "Round and supple, with a clean edge.",
                 "Bright and focused."],
        "fair": ["Light and simple.", "Soft, with modest acidity.", "A little neutral in the middle.",
                 "Clean but short on depth."],
        "poor": ["Dilute and a bit flat.", "Tart and thin.", "Heavy and lacking freshness.",
                 "Oak dominates the fruit."],
    },
    "rose": {
        "top": ["Dry, vivid and beautifully balanced.", "Savory, with lovely depth for a rosé."],
        "good": ["Crisp and dry.", "Fresh and lively, with a clean finish.", "Dry, with good grip."],
        "fair": ["Soft and simple.", "A little dilute."],
        "poor": ["Flat and short.", "Sweetish and dull."],
    },
    "sparkling": {
        "top": ["Fine, persistent mousse and great finesse.",
                "Creamy and elegant, with a long, chalky finish.",
                "Vinous and complex, yet very fresh."],
        "good": ["Lively bubbles and a crisp finish.", "Clean and well balanced, with a fine mousse.",
                 "Creamy texture, fresh acidity."],
        "fair": ["Frothy and simple.", "A touch coarse on the palate."],
        "poor": ["Coarse bubbles, short finish.", "Dull and a bit sour."],
    },
    "sweet": {
        "top": ["Luscious and unctuous, yet vibrant thanks to lively acidity.",
                "Intensely sweet and concentrated, with perfect balance.",
                "Silky and rich, with endless length."],
        "good": ["Sweet and rich, with good freshness.", "Honeyed and round, nicely balanced.",
                 "Sweet but not cloying."],
        "fair": ["Sweet and a little heavy.", "Simple and sugary."],
        "poor": ["Cloying and flat.", "Lacks acidity."],
    },
    "fortified": {
        "top": ["Rich and powerful, with superb balance and length.",
                "Concentrated and complex, the spirit beautifully integrated."],
        "good": ["Warm and smooth, with good depth.", "Round and well balanced."],
        "fair": ["Spirity and a touch simple.", "Sweet and straightforward."],
        "poor": ["Hot and clumsy.", "Thin, with harsh alcohol."],
    },
    "sherry": {
        "top": ["Bone dry and tangy, with extraordinary length.",
                "Complex and penetrating, with a long saline finish."],
        "good": ["Dry and savory, with good concentration.", "Nutty and persistent."],
        "fair": ["Clean but a little short.", "Simple and mild."],
        "poor": ["Flat and dull.", "Oxidized and tired."],
    },
}

# Openers: how the fruit and accent words are introduced.
OPENERS = [
    "{Fa} and {a1} aromas lead to flavors of {f2}.",
    "Shows {f1}, {f2} and {a1} flavors.",
    "Packed with {f1} and {f2}, accented by {a1}.",
    "Aromas of {f1} and {a1} open onto a palate of {f2}.",
    "{Fa} and {f2} fruit, with hints of {a1} and {a2}.",
    "Offers {f1} and {a1} on the nose, {f2} on the palate.",
    "{Adj}, with {f1} and {a1} notes.",
    "A {adj} {noun} with {f1} and {a1} character.",
    "{Adj} and {adj2}, with {f1}, {f2} and {a1}.",
    "Expressive {f1} and {a1} scents.",
    "Smells of {a1} and {f1}.",
    "Ripe {f1} flavors mingle with {a1} and {a2}.",
]

ADJECTIVES = {
    "top": ["Stunning", "Gorgeous", "Superb", "Magnificent", "Profound", "Brilliant"],
    "good": ["Lovely", "Attractive", "Elegant", "Generous", "Polished", "Charming", "Well-made"],
    "fair": ["Pleasant", "Simple", "Correct", "Light", "Easygoing"],
    "poor": ["Dull", "Lean", "Awkward", "Tired"],
}
ADJECTIVES2 = {
    "top": ["fragrant", "vibrant", "harmonious", "focused", "complex"],
    "good": ["fragrant", "juicy", "supple", "vibrant", "harmonious", "savory", "focused"],
    "fair": ["soft", "simple", "light"],
    "poor": ["dilute", "clumsy", "short"],
}

NOUNS = {
    "red": ["red", "wine"], "white": ["white", "wine"], "rose": ["rosé"],
    "sparkling": ["sparkler", "bubbly"], "sweet": ["sweet wine", "dessert wine"],
    "port": ["Port"], "tawny": ["fortified wine"], "sherry": ["Sherry"],
    "madeira": ["Madeira", "fortified wine"], "vdn": ["sweet wine"],
}

FINISHES = [
    "Long {a2} finish.",
    "Finishes with a hint of {a2}.",
    "Lingers on {a2} and {f3}.",
    "Persistent finish.",
    "The finish echoes {f3}.",
    "Clean, long finish.",
    "Spicy finish.",
    "Good length.",
]
SHORT_FINISHES = ["Short finish.", "Fades quickly.", "Finishes a bit bitter."]

# Notes for wines whose character is set by the way they are made rather than
# by the grape: added to the grape's words.
STYLE_NOTES = {
    "sparkling": (["lemon", "green apple", "pear", "white peach"],
                  ["brioche", "toast", "almond", "chalk", "hazelnut"]),
    "sweet": (["apricot", "honeyed peach", "orange marmalade", "candied pineapple"],
              ["honey", "saffron", "botrytis spice", "crème brûlée"]),
    "port": (["blackberry", "black cherry", "cassis", "plum"],
             ["dark chocolate", "licorice", "violet", "spice"]),
    "tawny": (["dried fig", "raisin", "orange peel", "date"],
              ["walnut", "caramel", "toffee", "coffee"]),
    "sherry": (["green apple", "dried fruit"], ["almond", "walnut", "sea salt", "yeast"]),
    "madeira": (["orange peel", "dried apricot"], ["walnut", "caramel", "smoke", "coffee"]),
    "vdn": (["orange peel", "apricot", "dried cherry"], ["honey", "spice", "cocoa"]),
}

ROSE_NOTES = (["strawberry", "watermelon", "red currant", "peach", "raspberry", "cherry"],
              ["fresh herbs", "white pepper", "citrus zest", "mineral", "rose petal"])

VALUE_REMARKS = ["A fine value.", "Excellent value.", "Great value for the money.",
                 "A bargain.", "Priced well below its quality."]


def colour_of(profile):
    return PROFILES[profile]["colour"]


def structure_group(profile):
    colour = colour_of(profile)
    if colour in ("red", "white", "rose", "sparkling", "sweet", "sherry"):
        return colour
    return "fortified"


def band_of(score):
    if score >= 93:
        return "top"
    if score >= 85:
        return "good"
    if score >= 79:
        return "fair"
    return "poor"


def notes_for(style):
    fruits, accents = [], []
    grapes = style.variety.split("-") if style.variety else []
    # "Xarel-lo" is one grape with a hyphen in its name.
    joined = []
    for part in grapes:
        if joined and joined[-1] == "Xarel" and part == "lo":
            joined[-1] = "Xarel-lo"
        else:
            joined.append(part)
    for grape in joined:
        f, a = GRAPE_NOTES.get(grape, ([], []))
        fruits += f
        accents += a
    extra = STYLE_NOTES.get(style.profile)
    if extra:
        # How the wine is made speaks louder than the grape: keep the
        # grape's first fruit and take the rest from the style.
        fruits = fruits[:1] + extra[0]
        accents = list(extra[1])
        if style.wine_type == "Rosé":
            fruits = ["strawberry", "raspberry", "red currant"] + fruits[:2]
    elif style.profile == "rose":
        fruits = fruits[:1] + ROSE_NOTES[0]
        accents = list(ROSE_NOTES[1])
    if not fruits:
        fruits = ["ripe fruit"]
    if not accents:
        accents = ["spice"]
    # Keep each word once, in first-seen order.
    return list(dict.fromkeys(fruits)), list(dict.fromkeys(accents))


def drink_advice(rng, profile, vintage, score):
    if vintage is None or profile in NON_VINTAGE_PROFILES:
        return rng.choice(["Drink now.", "", "Ready to drink."])
    lo, hi = PROFILES[profile]["window"]
    release = vintage + PROFILES[profile]["release"]
    # Better wines keep longer; weaker ones are for early drinking.
    stretch = (score - 86) / 10.0
    start = vintage + max(0, round(lo * (1 + stretch)))
    end = vintage + max(1, round(hi * (1 + stretch)))
    if score < 80:
        return rng.choice(["Drink now.", "Drink up.", ""])
    if start > release + 1:
        return rng.choice([f"Best from {start} through {end}.", f"Cellar until {start}.",
                           f"Best after {start}."])
    if end > release + 1:
        return rng.choice([f"Drink now through {end}.", f"Drink now through {end}.",
                           "Drink now or hold."])
    return rng.choice(["Drink now.", "Drink now.", ""])


def make_description(rng, style, vintage, score):
    fruits, accents = notes_for(style)
    band = band_of(score)
    f = rng.sample(fruits, min(3, len(fruits)))
    while len(f) < 3:
        f.append(rng.choice(fruits))
    a = rng.sample(accents, min(2, len(accents)))
    while len(a) < 2:
        a.append(rng.choice(accents))
    if f[1] == f[0]:
        f[1] = "ripe fruit"
    adj_pool = ADJECTIVES[band]
    values = {
        "f1": f[0], "f2": f[1], "f3": f[2], "a1": a[0], "a2": a[1],
        "Fa": f[0][0].upper() + f[0][1:],
        "Adj": rng.choice(adj_pool),
        "adj": rng.choice(adj_pool).lower(),
        "adj2": rng.choice(ADJECTIVES2[band]),
        "noun": rng.choice(NOUNS[colour_of(style.profile)]),
    }
    if values["adj"] == "well-made" or values["adj"] == values["adj2"]:
        values["adj"] = "fine"
    opener = rng.choice(OPENERS).format(**values)
    opener = re.sub(r"\b([Aa]) ([aeiou])", r"\1n \2", opener)
    structure = rng.choice(STRUCTURE[structure_group(style.profile)][band])
    if band == "poor":
        finish = rng.choice(SHORT_FINISHES)
    else:
        finish = rng.choice(FINISHES).format(**values)
    advice = drink_advice(rng, style.profile, vintage, score)

    # Vary the shape: not every note has every part, and the order of the
    # structure and fruit sentences swaps now and then.
    parts = [opener, structure]
    if rng.random() < 0.25:
        parts.reverse()
    if rng.random() < 0.65 and "short" not in structure.lower():
        parts.append(finish)
    if advice and rng.random() < 0.8:
        parts.append(advice)
    text = " ".join(parts)
    while len(text.encode("cp1252")) > MAX_TEXT_BYTES and len(parts) > 1:
        parts.pop()
        text = " ".join(parts)
    return text


# ---------------------------------------------------------------------------
# The vintage chart: invented weather, shared by the regions of one origin
# ---------------------------------------------------------------------------

def vintage_weather(rng):
    """Per origin and year, how kind the growing season was (about -2 to +2)."""
    weather = {}
    for origin in sorted({r.origin for r in REGIONS}):
        weather[origin] = {y: rng.gauss(0.0, 1.0) for y in range(FIRST_YEAR, LAST_YEAR + 1)}
    return weather


def declared_only(style):
    """Houses bottle a vintage of these only in good years."""
    return style.profile == "port" or style.appellation == "Champagne"


def chart_code(profile, year, score, nv_chart):
    if nv_chart:
        return "NV"
    if score < 77:
        return "A"
    lo, hi = PROFILES[profile]["window"]
    age = AS_OF_YEAR - year
    stretch = (score - 86) / 10.0
    # A chart speaks for the region's better wines, which keep longer than
    # the average bottle.
    if age > 1.3 * hi * (1 + stretch):
        return "W"
    if age < lo * (1 + stretch) and score >= 85:
        return "H"
    return "D"


# ---------------------------------------------------------------------------
# Building the catalogue
# ---------------------------------------------------------------------------

class Wine:
    def __init__(self, **fields):
        self.__dict__.update(fields)


def build(rng):
    weather = vintage_weather(rng)

    # Chart scores per (region, style chart key) and year.
    charts = {}  # key -> {year: (score, code)}
    chart_profile = {}
    for region in REGIONS:
        region_bias = rng.gauss(0.0, 1.2)
        for style in region.styles:
            key = (region.origin, style.category, style.wine_type, region.name, style.chart_name)
            if key in charts:
                continue
            chart_profile[key] = style.profile
            nv_chart = style.profile in NON_VINTAGE_PROFILES
            # Sweet wines depend on autumn weather as much as on the summer.
            own = 0.6 if style.profile == "sweet" else 0.3
            years = {}
            for year in range(region.since, LAST_YEAR + 1):
                w = (1 - own) * weather[region.origin][year] + own * rng.gauss(0.0, 1.0)
                spread = 2.5 if nv_chart else 6.5
                score = 88 + region_bias + spread * w
                # Scores are whole numbers from 68 to 100.
                score = max(68, min(100, int(round(score))))
                code = chart_code(style.profile, year, score, nv_chart)
                if style.appellation == "Champagne" and score < DECLARED_SCORE:
                    code = "NV"  # no vintage declared: the harvest goes into the blends
                years[year] = (score, code)
            charts[key] = years

    # Producers, assigned to regions in the order of the lists above.
    pools = {origin: list(names) for origin, names in PRODUCER_NAMES.items()}
    producers = []  # {"name", "quality": expected mean score, "region": home region}
    for region in REGIONS:
        for _ in range(region.producer_count):
            pool = pools[region.origin]
            if not pool:
                raise SystemExit(f"not enough producer names for {region.origin}")
            name = pool.pop(0)
            tier = rng.choices(range(len(TIERS)), weights=TIER_WEIGHTS)[0]
            producers.append({"name": name, "quality": TIERS[tier][0] + rng.gauss(0, 1.0),
                              "region": region})

    # Deal each region's styles out to its producers first, so that every
    # style of a region is made by someone; the rest are chosen at random.
    dealt = {}
    for region in REGIONS:
        mine = [p for p in producers if p["region"] is region]
        order = list(region.styles)
        rng.shuffle(order)
        for i, p in enumerate(mine):
            dealt[p["name"]] = [order[i % len(order)]]
        for j in range(len(mine), len(order)):
            dealt[mine[j % len(mine)]["name"]].append(order[j])

    wines = []
    for p in producers:
        region = p["region"]
        styles = list(region.styles)
        if region.estates:
            first = dealt[p["name"]][0]
            chosen = [first] + [s for s in styles
                                if s is not first and s.appellation == first.appellation
                                and rng.random() < 0.6]
        else:
            chosen = list(dealt[p["name"]])
            count = min(len(styles), rng.choice([1, 2, 2, 3, 3, 4]))
            for style in rng.sample(styles, count):
                if style not in chosen and len(chosen) < max(count, 2):
                    chosen.append(style)
        # In the New World a winery often buys fruit from a second region of
        # its country and sells that wine under its own name too.
        others = [r for r in REGIONS if r.origin == region.origin and r is not region]
        if region.origin in NEW_WORLD and others and rng.random() < 0.2:
            other = rng.choice(others)
            chosen.append((other, rng.choice(other.styles)))
        for item in chosen:
            r, style = (item if isinstance(item, tuple) else (region, item))
            # Houses of blended wines sell a range (Fino, Amontillado, ...).
            wanted = rng.choice([2, 3] if style.profile in NON_VINTAGE_PROFILES else [1, 1, 2])
            product_names = rng.sample(style.products, min(len(style.products), wanted))
            for product in product_names:
                wines += make_product_wines(rng, p, r, style, product, charts)

    return wines, charts, chart_profile, producers


def blended(style, product, designation):
    """True for wines blended from several years, which carry no vintage."""
    if "Year Old" in designation or "Year Old" in product:
        return True
    return style.profile in NON_VINTAGE_PROFILES and "Colheita" not in product


def make_product_wines(rng, producer, region, style, product, charts):
    key = (region.origin, style.category, style.wine_type, region.name, style.chart_name)
    chart = charts[key]
    wines = []

    designations = list(style.designations)
    base = designations[0]
    premium = designations[1:]
    makes_premium = premium and rng.random() < 0.55
    premium_choice = rng.choice(premium) if premium else None

    # Only wines already tasted by the time of the catalogue are in it.
    last = AS_OF_YEAR - PROFILES[style.profile]["release"] + 1
    years = [y for y in sorted(chart) if y <= last]
    if blended(style, product, base) or not years:
        vintages = []
    else:
        first = rng.choice(years[: max(1, len(years) - 4)])
        candidates = [y for y in years if y >= first]
        if declared_only(style):
            candidates = [y for y in candidates if chart[y][0] >= DECLARED_SCORE] or candidates
        # An estate with a single wine is listed in most of its vintages.
        n = min(len(candidates), rng.randint(7, 14) if region.estates else rng.randint(3, 9))
        vintages = sorted(rng.sample(candidates, n))

    # How well this producer did in a year, shared by all its bottlings of
    # the product, so that a Reserve rarely scores below the regular wine.
    year_form = {}

    def score_for(year, designation):
        bonus = PREMIUM_DESIGNATIONS.get(designation, 0)
        if year is None:
            vintage_effect = 0.0
        else:
            vintage_effect = 0.45 * (chart[year][0] - 88)
        if year not in year_form:
            year_form[year] = rng.gauss(0.0, 1.5)
        s = producer["quality"] + bonus + vintage_effect + year_form[year] + rng.gauss(0.0, 0.9)
        # Near the top every point is harder to earn: a perfect score is rare.
        if s > 94:
            s = 94 + (s - 94) * 0.65
        return max(70, min(100, int(round(s))))

    def add(year, designation):
        wines.append(Wine(producer=producer["name"], quality=producer["quality"], region=region,
                          style=style, product=product, vintage=year,
                          designation=designation, score=score_for(year, designation)))

    for year in vintages:
        good_year = chart[year][0] >= 86
        add(year, base)
        if (makes_premium and not blended(style, product, premium_choice)
                and (good_year or rng.random() < 0.3)):
            add(year, premium_choice)
    if not vintages:
        # A blended wine: one entry per quality the house sells.
        add(None, base)
        for d in premium:
            if rng.random() < 0.6:
                add(None, d)
    elif style.nv_share and rng.random() < 2 * style.nv_share:
        # Houses that sell vintages usually also sell a non-vintage cuvée.
        add(None, base)
    elif makes_premium and blended(style, product, premium_choice) and "Colheita" not in product:
        add(None, premium_choice)
    return wines


# ---------------------------------------------------------------------------
# Food pairings. Each food lists what it goes with: a grape, appellation,
# product word, designation, category or type, optionally narrowed to a wine
# type ("Red/Pinot Noir"). A grape alone never picks a sweet or fortified
# wine; "*" with a type takes every wine of that type.
# ---------------------------------------------------------------------------

FOODS = [
    ("Beef", "Grilled Ribeye Steak",
     ["Cabernet Sauvignon", "Malbec", "Shiraz", "Zinfandel", "Pauillac", "Ribera del Duero"]),
    ("Beef", "Roast Prime Rib", ["Cabernet Sauvignon", "Merlot", "Saint-Julien", "Pomerol",
                                 "Brunello di Montalcino"]),
    ("Beef", "Beef Bourguignon", ["Pinot Noir", "Gevrey-Chambertin", "Nuits-Saint-Georges",
                                  "Pommard", "Côtes du Rhône"]),
    ("Beef", "Braised Short Ribs", ["Syrah", "Shiraz", "Amarone della Valpolicella",
                                    "Red/Châteauneuf-du-Pape", "Priorat"]),
    ("Beef", "Hamburger", ["Zinfandel", "Malbec", "Barbera", "Grenache", "Pinotage"]),
    ("Beef", "Steak au Poivre", ["Syrah", "Hermitage", "Cornas", "Saint-Estèphe", "Shiraz"]),
    ("Beef", "Beef Stew", ["Carignan", "Tempranillo", "Aglianico", "Blaufränkisch",
                           "Touriga Nacional"]),
    ("Lamb", "Roast Leg of Lamb", ["Pauillac", "Margaux", "Rioja", "Cabernet Sauvignon",
                                   "Bandol"]),
    ("Lamb", "Lamb Chops with Rosemary", ["Syrah", "Grenache", "Gigondas", "Chianti Classico",
                                          "Crozes-Hermitage"]),
    ("Lamb", "Lamb Tagine", ["Grenache", "Garnacha", "Côtes du Rhône", "Minervois", "Pinotage"]),
    ("Lamb", "Shepherd's Pie", ["Merlot", "Shiraz", "Douro", "Corbières"]),
    ("Lamb", "Rack of Lamb", ["Pomerol", "Saint-Émilion Grand Cru", "Ribera del Duero",
                              "Cabernet Sauvignon", "Barolo"]),
    ("Pork", "Roast Pork Loin", ["Pinot Noir", "Chenin Blanc", "Riesling", "Dolcetto",
                                 "Still/Rosé"]),
    ("Pork", "Barbecued Ribs", ["Zinfandel", "Shiraz", "Malbec", "Grenache", "Pinotage"]),
    ("Pork", "Baked Ham", ["Riesling", "Gewürztraminer", "Still/Rosé", "Pinot Noir"]),
    ("Pork", "Pork Chops with Apples", ["Chenin Blanc", "Pinot Gris", "Riesling",
                                        "Grüner Veltliner"]),
    ("Pork", "Grilled Sausages", ["Barbera", "Zweigelt", "Blaufränkisch", "Côtes du Rhône",
                                  "Valpolicella"]),
    ("Poultry", "Roast Chicken", ["Chardonnay", "Pinot Noir", "Meursault", "Chinon",
                                  "Pouilly-Fuissé"]),
    ("Poultry", "Chicken in Cream Sauce", ["Chardonnay", "Puligny-Montrachet", "Savennières",
                                           "Pinot Gris", "Semillon"]),
    ("Poultry", "Coq au Vin", ["Pinot Noir", "Chambolle-Musigny", "Volnay", "Spätburgunder"]),
    ("Poultry", "Roast Turkey", ["Pinot Noir", "Zinfandel", "Chardonnay", "Still/Rosé"]),
    ("Poultry", "Duck Breast with Cherries", ["Pinot Noir", "Vosne-Romanée", "Merlot",
                                              "Nebbiolo"]),
    ("Poultry", "Fried Chicken", ["Sparkling", "Riesling", "Chenin Blanc", "Still/Rosé"]),
    ("Game", "Venison", ["Syrah", "Côte-Rôtie", "Barolo", "Shiraz", "Blaufränkisch"]),
    ("Game", "Roast Pheasant", ["Pinot Noir", "Nebbiolo", "Gevrey-Chambertin", "Barbaresco"]),
    ("Game", "Wild Boar Ragù", ["Sangiovese", "Brunello di Montalcino", "Aglianico",
                                "Nero d'Avola"]),
    ("Game", "Rabbit with Mustard", ["Pinot Noir", "Chinon", "Bourgueil", "Chardonnay"]),
    ("Game", "Quail with Grapes", ["Pinot Noir", "Grenache", "Pinot Gris", "Dolcetto"]),
    ("Fish", "Grilled Salmon", ["Pinot Noir", "Chardonnay", "Still/Rosé", "Pinot Gris"]),
    ("Fish", "Sole Meunière", ["Chablis", "Meursault", "Chassagne-Montrachet", "Savennières",
                               "Chardonnay"]),
    ("Fish", "Grilled Tuna Steak", ["Pinot Noir", "Still/Rosé", "Bandol", "Etna"]),
    ("Fish", "Trout with Almonds", ["Riesling", "Grüner Veltliner", "Pinot Bianco",
                                    "Weissburgunder", "Soave"]),
    ("Fish", "Smoked Salmon", ["Sparkling", "Riesling", "Sancerre", "Fino"]),
    ("Fish", "Fish and Chips", ["Sauvignon Blanc", "Cava", "Albariño", "Vinho Verde"]),
    ("Fish", "Sushi", ["Riesling", "Sparkling", "Grüner Veltliner", "Manzanilla"]),
    ("Shellfish", "Oysters", ["Chablis", "Champagne", "Sancerre", "Albariño", "Manzanilla",
                              "Alvarinho"]),
    ("Shellfish", "Lobster with Drawn Butter", ["Chardonnay", "Meursault", "Puligny-Montrachet",
                                                "Champagne"]),
    ("Shellfish", "Grilled Shrimp", ["Sauvignon Blanc", "Albariño", "Fiano",
                                     "Greco di Tufo", "Still/Rosé"]),
    ("Shellfish", "Crab Cakes", ["Chardonnay", "Sauvignon Blanc", "Riesling", "Sparkling"]),
    ("Shellfish", "Steamed Mussels", ["Sauvignon Blanc", "Entre-Deux-Mers", "Pinot Grigio",
                                      "Vinho Verde", "Gavi"]),
    ("Shellfish", "Seared Scallops", ["Chardonnay", "Condrieu", "Viognier", "Sémillon",
                                      "Fiano di Avellino"]),
    ("Pasta and Rice", "Spaghetti Bolognese", ["Sangiovese", "Barbera", "Chianti Classico",
                                               "Nero d'Avola"]),
    ("Pasta and Rice", "Pasta with Pesto", ["Vernaccia", "Cortese", "Sauvignon Blanc",
                                            "Arneis", "Tocai Friulano"]),
    ("Pasta and Rice", "Lasagne", ["Sangiovese", "Barbera", "Valpolicella", "Zinfandel"]),
    ("Pasta and Rice", "Mushroom Risotto", ["Nebbiolo", "Pinot Noir", "Barbaresco",
                                            "Chardonnay"]),
    ("Pasta and Rice", "Seafood Paella", ["Albariño", "Verdejo", "Still/Rosé", "Cava"]),
    ("Pasta and Rice", "Pizza Margherita", ["Barbera", "Dolcetto", "Sangiovese",
                                            "Nero d'Avola", "Valpolicella"]),
    ("Pasta and Rice", "Fettuccine Alfredo", ["Chardonnay", "Soave", "Pinot Bianco",
                                              "Fiano"]),
    ("Cheese", "Brie", ["Champagne", "Chardonnay", "Pinot Noir", "Crémant de Loire"]),
    ("Cheese", "Aged Cheddar", ["Cabernet Sauvignon", "Port", "Shiraz", "Zinfandel"]),
    ("Cheese", "Parmigiano-Reggiano", ["Barolo", "Amarone della Valpolicella", "Sangiovese",
                                       "Amontillado"]),
    ("Cheese", "Goat Cheese", ["Sancerre", "Sauvignon Blanc", "Pouilly-Fumé", "Chenin Blanc"]),
    ("Cheese", "Roquefort", ["Sauternes", "Barsac", "Dessert/*"]),
    ("Cheese", "Stilton", ["Vintage Port", "Tawny", "Late Bottled", "Madeira"]),
    ("Cheese", "Aged Gouda", ["Tawny", "Oloroso", "Riesling", "Malbec"]),
    ("Cheese", "Manchego", ["Tempranillo", "Fino", "Amontillado", "Garnacha"]),
    ("Cheese", "Munster", ["Gewürztraminer", "Pinot Gris", "Riesling"]),
    ("Vegetarian", "Ratatouille", ["Côtes de Provence", "Still/Rosé", "Grenache", "Côtes du Rhône"]),
    ("Vegetarian", "Grilled Vegetables", ["Sauvignon Blanc", "Still/Rosé", "Zweigelt", "Grenache"]),
    ("Vegetarian", "Asparagus Tart", ["Sauvignon Blanc", "Grüner Veltliner", "Weissburgunder",
                                      "Sancerre"]),
    ("Vegetarian", "Eggplant Parmigiana", ["Sangiovese", "Nero d'Avola", "Barbera",
                                           "Aglianico"]),
    ("Vegetarian", "Wild Mushroom Ragout", ["Pinot Noir", "Nebbiolo", "Spätburgunder",
                                            "Chardonnay"]),
    ("Vegetarian", "Cheese Soufflé", ["Chardonnay", "Champagne", "Chenin Blanc"]),
    ("Spicy and Asian", "Thai Green Curry", ["Riesling", "Gewürztraminer", "Torrontés",
                                             "Pinot Gris"]),
    ("Spicy and Asian", "Szechuan Chicken", ["Riesling", "Gewürztraminer", "Zinfandel",
                                             "Grenache"]),
    ("Spicy and Asian", "Peking Duck", ["Pinot Noir", "Shiraz", "Gewürztraminer",
                                        "Zinfandel"]),
    ("Spicy and Asian", "Chicken Tikka Masala", ["Riesling", "Viognier", "Grenache", "Still/Rosé",
                                                 "Gewürztraminer"]),
    ("Spicy and Asian", "Beef Tacos", ["Malbec", "Zinfandel", "Carmenère", "Tempranillo"]),
    ("Spicy and Asian", "Vietnamese Spring Rolls", ["Sauvignon Blanc", "Riesling",
                                                    "Grüner Veltliner", "Sparkling"]),
    ("Desserts", "Chocolate Cake", ["Banyuls", "Vintage Port", "Late Bottled",
                                    "Dessert/Pedro Ximénez", "Rutherglen"]),
    ("Desserts", "Crème Brûlée", ["Sauternes", "Barsac", "Tokay", "Vin Santo",
                                  "Sélection de Grains Nobles"]),
    ("Desserts", "Apple Tart", ["Coteaux du Layon", "Vouvray Moelleux", "Late Harvest",
                                "Beerenauslese", "Ice Wine"]),
    ("Desserts", "Fresh Fruit Salad", ["Moscato d'Asti", "Dessert/Muscat", "Dessert/Moscatel",
                                       "Dessert/Muscat de Frontignan", "Dessert/Zibibbo"]),
    ("Desserts", "Cheesecake", ["Eiswein", "Ice Wine", "Noble Riesling", "Dessert/Picolit",
                                "Passito di Pantelleria"]),
    ("Desserts", "Pecan Pie", ["Tawny", "Malmsey", "Bual", "Rutherglen", "Cream Sherry"]),
    ("Desserts", "Biscotti", ["Vin Santo", "Recioto di Soave", "Marsala", "Dessert/Zibibbo",
                              "Colheita"]),
    ("Appetizers", "Foie Gras", ["Sauternes", "Barsac", "Vendanges Tardives",
                                 "Gewürztraminer", "Sélection de Grains Nobles"]),
    ("Appetizers", "Charcuterie", ["Valpolicella", "Côtes du Rhône", "Dolcetto", "Still/Rosé",
                                   "Zweigelt"]),
    ("Appetizers", "Olives and Almonds", ["Fino", "Manzanilla", "Amontillado", "White/Sercial",
                                          "Marsala", "White Port"]),
    ("Appetizers", "Caviar", ["Champagne", "Blanc de Blancs", "Brut Nature"]),
    ("Appetizers", "Country Pâté", ["Pinot Noir", "Riesling", "Pinot Gris", "Chinon"]),
    ("Appetizers", "Gougères", ["Champagne", "Chablis", "Crémant", "Sparkling"]),
]


def wine_matches(wine, token):
    wanted_type = None
    if "/" in token:
        wanted_type, token = token.split("/", 1)
        if wanted_type not in (wine.style.wine_type, wine.style.category):
            return False
        if token == "*":
            return True
    style = wine.style
    grapes = (style.variety or "").split("-")
    if token in (style.appellation, style.category, style.wine_type, wine.designation):
        return True
    # Grape and appellation names match only their own fields, so that
    # "Chianti Classico" does not pick a Vin Santo del Chianti Classico.
    if token not in GRAPE_NOTES and token not in APPELLATIONS:
        if f" {token} " in f" {wine.product} ":
            return True
    if token == style.variety or token in grapes:
        # A grape alone means the dry table wine made from it.
        if wanted_type is None and (style.wine_type == "Dessert"
                                    or style.category != "Still"):
            return False
        return True
    return False


APPELLATIONS = {s.appellation for r in REGIONS for s in r.styles if s.appellation}


def make_food(rng, wines):
    food = []
    for food_type, name, tokens in FOODS:
        candidates = [w for w in wines if any(wine_matches(w, t) for t in tokens)]
        if not candidates:
            raise SystemExit(f"no wine goes with {name}")
        good = [w for w in candidates if w.score >= 86] or candidates
        best = {}
        for w in good:
            key = chart_key(w)
            if key not in best or (w.score, -w.number) > (best[key].score, -best[key].number):
                best[key] = w
        ranked = sorted(best.values(), key=lambda w: (-(w.score + rng.uniform(0, 4)), w.number))
        chosen = ranked[: rng.randint(6, 12)]
        chosen.sort(key=lambda w: w.number)
        food.append((food_type, name, chosen))
    return food


def chart_key(wine):
    return (wine.region.origin, wine.style.category, wine.style.wine_type, wine.region.name,
            wine.style.chart_name)


def fold(text):
    """Sort key: letter case and accents ignored."""
    decomposed = unicodedata.normalize("NFKD", text)
    return "".join(c for c in decomposed if not unicodedata.combining(c)).casefold()


def sort_key_tuple(key):
    return tuple(fold(k) for k in key)


def finish_wines(rng, wines):
    """Gives every wine its number and key, in wine-list order."""
    wines.sort(key=lambda w: (fold(w.region.origin), fold(w.region.name), fold(w.producer),
                              fold(w.product), w.vintage or 0, fold(w.designation)))
    for i, w in enumerate(wines, 1):
        w.number = i
        w.id = f"W{i:05d}"


def tier_label(mean):
    for threshold, label in TIERS:
        if mean >= threshold - 0.5:
            return label
    return TIERS[-1][1]


def make_best_producers(wines, keys):
    by_key = {}
    for w in wines:
        by_key.setdefault(chart_key(w), {}).setdefault(w.producer, []).append(w.score)
    rows = []
    for key in keys:
        ranked = []
        for producer, scores in by_key[key].items():
            top = sorted(scores, reverse=True)[:5]
            ranked.append((statistics.mean(top), producer))
        ranked.sort(key=lambda r: (-r[0], fold(r[1])))
        keep = [r for r in ranked if r[0] >= 85.0][:6] or ranked[:1]
        for mean, producer in keep:
            rows.append((key, f"{producer} ({tier_label(mean)})"))
    return rows


def make_best_values(rng, wines, keys):
    by_key = {}
    for w in wines:
        by_key.setdefault(chart_key(w), []).append(w)
    rows = []
    for key in keys:
        pool = by_key[key]
        # Good wines from houses without a famous name, in their regular
        # bottlings and recent vintages, are the ones sold at fair prices.
        candidates = [w for w in pool
                      if w.score >= 86 and w.quality < 91.0
                      and PREMIUM_DESIGNATIONS.get(w.designation, 0) < 3
                      and (w.vintage is None or w.vintage >= 1996)]
        if not candidates:
            candidates = [w for w in pool if w.score >= 84 and w.quality < 91.0]
        if not candidates:
            candidates = sorted(pool, key=lambda w: (-w.score, w.number))[:1]
        per_producer = {}
        for w in sorted(candidates, key=lambda w: (-(w.score - w.quality), -w.score, w.number)):
            per_producer.setdefault(w.producer, [])
            if len(per_producer[w.producer]) < 3:
                per_producer[w.producer].append(w)
        producers = sorted(per_producer, key=lambda p: (-max(x.score for x in per_producer[p]),
                                                         fold(p)))[:4]
        for producer in producers:
            for w in per_producer[producer]:
                rows.append((key, "", w))
    return rows


def describe_wines(rng, wines, value_ids):
    seen = set()
    for w in wines:
        for _ in range(20):
            text = make_description(rng, w.style, w.vintage, w.score)
            if id(w) in value_ids:
                remark = rng.choice(VALUE_REMARKS)
                if len((text + " " + remark).encode("cp1252")) <= MAX_TEXT_BYTES:
                    text = text + " " + remark
            if text not in seen:
                break
        seen.add(text)
        w.description = text


def write_csv(path, header, rows):
    for row in rows:
        for cell in row:
            if not cp1252_ok(cell):
                raise SystemExit(f"{path}: text not storable: {cell!r}")
    with open(path, "w", encoding="utf-8", newline="") as f:
        writer = csv.writer(f, lineterminator="\n")
        writer.writerow(header)
        writer.writerows(rows)


def validate(wines, charts, keys, best_producers, best_values, food):
    """Stops with a message when the sample breaks a rule of the sources or
    falls short of what the shipped catalogue promises."""
    problems = []
    ids = [w.id for w in wines]
    if len(set(ids)) != len(ids):
        problems.append("duplicate wine ids")
    seen = set()
    for w in wines:
        row = (w.producer, w.product, w.vintage, w.designation)
        if row in seen:
            problems.append(f"wine listed twice: {row}")
        seen.add(row)
    for key in keys:
        if not charts[key]:
            problems.append(f"empty chart {key}")
    bp_keys = {k for k, _ in best_producers}
    bv_keys = {k for k, _, _ in best_values}
    for key in keys:
        if key not in bp_keys:
            problems.append(f"no best producers for {key}")
        if key not in bv_keys:
            problems.append(f"no best values for {key}")
    if len(set(best_producers)) != len(best_producers):
        problems.append("a best producer is listed twice in one list")
    bv = [(k, w.id) for k, _, w in best_values]
    if len(set(bv)) != len(bv):
        problems.append("a best value is listed twice in one list")
    for food_type, name, ws in food:
        if len(ws) < 3:
            problems.append(f"only {len(ws)} wines go with {name}")
    for _, name, tokens in FOODS:
        for token in tokens:
            if not any(wine_matches(w, token) for w in wines):
                problems.append(f"{name}: nothing in the catalogue is {token!r}")
    names = [name for _, name, _ in food]
    if len(set(names)) != len(names):
        problems.append("a food is listed twice")

    origins = {w.region.origin for w in wines}
    regions = {(w.region.origin, w.region.name) for w in wines}
    producers = {w.producer for w in wines}
    vintage_wines = [w for w in wines if w.vintage is not None]
    types = {w.style.wine_type for w in wines}
    if len(origins) < 8 or "U.S." not in origins:
        problems.append("fewer than 8 origins, or no U.S.")
    if {"Still", "Sparkling", "Fortified"} - {w.style.category for w in wines}:
        problems.append("a category is missing")
    if {"Red", "White", "Rosé", "Dessert"} - types:
        problems.append("a wine type is missing")
    if len(regions) < 40:
        problems.append("fewer than 40 regions")
    if len(producers) < 150:
        problems.append("fewer than 150 producers")
    if len(vintage_wines) < 1500:
        problems.append("fewer than 1,500 vintage wines")
    if {w.vintage for w in vintage_wines} != set(range(FIRST_YEAR, LAST_YEAR + 1)):
        problems.append("some vintage from 1985 to 2003 has no wine")
    if min(w.score for w in wines) < 70 or max(w.score for w in wines) > 100:
        problems.append("a score outside 70 to 100")
    if len({t for t, _, _ in food}) < 8 or len(food) < 60:
        problems.append("fewer than 8 types of food or 60 foods")
    if problems:
        raise SystemExit("\n".join(problems))


def report(wines, keys, best_producers, best_values, food):
    origins = sorted({w.region.origin for w in wines})
    regions = sorted({(w.region.origin, w.region.name) for w in wines})
    producers = sorted({w.producer for w in wines})
    vintages = [w.vintage for w in wines if w.vintage is not None]
    scores = [w.score for w in wines]
    print(f"origins {len(origins)}: {', '.join(origins)}")
    print(f"regions {len(regions)}, producers {len(producers)}, wines {len(wines)} "
          f"({len(vintages)} vintage, {len(wines) - len(vintages)} NV, "
          f"years {min(vintages)}-{max(vintages)})")
    print(f"categories {sorted({w.style.category for w in wines})}, "
          f"types {sorted({w.style.wine_type for w in wines})}")
    print(f"scores {min(scores)}-{max(scores)}, mean {statistics.mean(scores):.1f}, "
          f"median {statistics.median(scores)}, sd {statistics.pstdev(scores):.1f}")
    bands = {}
    for s in scores:
        bands[s // 5 * 5] = bands.get(s // 5 * 5, 0) + 1
    print("score bands " + ", ".join(f"{b}-{b + 4}: {n}" for b, n in sorted(bands.items())))
    print(f"charts {len(keys)}, best producers {len(best_producers)}, "
          f"best values {len(best_values)}")
    print(f"food types {len({t for t, _, _ in food})}, foods {len(food)}, "
          f"pairings {sum(len(ws) for _, _, ws in food)}")
    lengths = [len(w.description.encode('cp1252')) for w in wines]
    print(f"descriptions {len(set(w.description for w in wines))} distinct, "
          f"{min(lengths)}-{max(lengths)} bytes")


def cp1252_ok(text):
    try:
        return len(text.encode("cp1252")) <= MAX_TEXT_BYTES
    except UnicodeEncodeError:
        return False


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "catalogue")
    os.makedirs(out_dir, exist_ok=True)
    rng = random.Random(20040301)

    wines, charts, chart_profile, producers = build(rng)
    finish_wines(rng, wines)
    used_keys = sorted({chart_key(w) for w in wines}, key=sort_key_tuple)
    best_producers = make_best_producers(wines, used_keys)
    best_values = make_best_values(rng, wines, used_keys)
    describe_wines(rng, wines, {id(w) for _, _, w in best_values})
    food = make_food(rng, wines)

    write_csv(os.path.join(out_dir, "wines.csv"),
              ["id", "origin", "category", "type", "region", "producer", "vintage", "product",
               "designation", "variety", "appellation", "score", "description"],
              [[w.id, w.region.origin, w.style.category, w.style.wine_type, w.region.name,
                w.producer, "NV" if w.vintage is None else str(w.vintage), w.product,
                w.designation, w.style.variety or "", w.style.appellation or "",
                str(w.score), w.description] for w in wines])
    chart_rows = []
    for key in used_keys:
        for year, (score, code) in sorted(charts[key].items()):
            chart_rows.append(list(key) + [str(year), str(score), code])
    write_csv(os.path.join(out_dir, "vintage_chart.csv"),
              ["origin", "category", "type", "region", "appellation_variety", "year", "score",
               "code"], chart_rows)
    write_csv(os.path.join(out_dir, "best_producers.csv"),
              ["origin", "category", "type", "region", "appellation_variety", "text"],
              [list(key) + [text] for key, text in best_producers])
    write_csv(os.path.join(out_dir, "best_values.csv"),
              ["origin", "category", "type", "region", "appellation_variety", "producer", "wine"],
              [list(key) + [producer, w.id] for key, producer, w in best_values])
    write_csv(os.path.join(out_dir, "food.csv"), ["food_type", "food", "wines"],
              [[food_type, food, ";".join(w.id for w in ws)] for food_type, food, ws in food])

    validate(wines, charts, used_keys, best_producers, best_values, food)
    report(wines, used_keys, best_producers, best_values, food)


if __name__ == "__main__":
    main()
