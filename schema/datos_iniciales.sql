-- Rows that a new Quenvalia database needs before its first use.
--
-- The default codes of new records (customer and supplier of invoices and delivery notes,
-- supplier, family, brand and model of articles, technicians of work orders and incidents)
-- are 1 unless the settings say otherwise, and the lists join those rows with inner
-- joins, so each of these tables starts with a row of code 1 that stands for nothing in
-- particular. The version parameter is the one the program expects at login.
--
-- INSERT IGNORE leaves existing rows as they are, so the script can be run again.
-- Run it after crear_tablas.sql. Keep semicolons and quotes out of the comments.

INSERT IGNORE INTO tercero (codigo, nombre, cif, tipo) VALUES (1, 'Indeterminado', '', 'Cliente');

INSERT IGNORE INTO familia (codigo, nombre) VALUES (1, 'Indeterminado');

INSERT IGNORE INTO marca (codigo, nombre) VALUES (1, 'Indeterminado');

INSERT IGNORE INTO modelo (codigo, nombre) VALUES (1, 'Indeterminado');

INSERT IGNORE INTO tecnico (codigo, nombre) VALUES (1, 'Indeterminado');

INSERT IGNORE INTO parametro (nombre, valor) VALUES ('version', '2.6.9.499 (06-01-2011)');
